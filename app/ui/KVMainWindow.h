#pragma once

#include <QWidget>

namespace korvel {

class NavigationStack;

// The one window of the kiosk. The person at the device cannot close, minimise or leave it: close
// requests, Alt+F4, Escape and F11 do nothing. Only the system ends Korvel (SIGTERM, SIGINT).
class KVMainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit KVMainWindow(QWidget* parent = nullptr);

    NavigationStack* navigationStack() const { return m_stack; }
    // Full screen when "FullScreen" is on, else maximised under the status bar (when one is set).
    void showForKiosk(bool fullScreen);
    // Takes the bar that is shown above the screens while the window is maximised.
    void setStatusBar(QWidget* bar);
    QWidget* statusBar() const { return m_statusBar; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    NavigationStack* m_stack;
    QWidget* m_statusBar = nullptr;
    bool m_fullScreen = true;
};

}  // namespace korvel
