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
    // Full screen when "FullScreen" is on, else maximised.
    void showForKiosk(bool fullScreen);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    NavigationStack* m_stack;
    bool m_fullScreen = true;
};

}  // namespace korvel
