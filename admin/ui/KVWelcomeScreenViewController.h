#pragma once

#include "browser/AdminTapGesture.h"
#include "platform/ui/Screen.h"

#include <QPointer>

#include <functional>

class QLabel;
class QPushButton;
class QWidget;

namespace korvel {

// The root of the window's stack: what a device with no allowed website and no category shows,
// and the first place where the administrator's taps open the settings. As soon as a website or a
// category exists it hands over to the home screen without showing itself.
class KVWelcomeScreenViewController final : public Screen {
    Q_OBJECT
public:
    using HomeScreenFactory = std::function<Screen*()>;

    static QString instructionsText();

    explicit KVWelcomeScreenViewController(QWidget* parent = nullptr);
    ~KVWelcomeScreenViewController() override;

    // The one welcome screen; nullptr before it is made.
    static KVWelcomeScreenViewController* getWelcomeScreenObject();
    // Makes the home screen the welcome screen hands over to; an empty factory (or one returning
    // nullptr) keeps the welcome screen up.
    static void setHomeScreenFactory(HomeScreenFactory factory);
    static void resetHomeScreenFactory();

    // The home screen it pushed, until the welcome screen shows again.
    Screen* homeScreen() const { return m_kvHomeGlobal; }
    // A target from the URL-scheme entry, consumed by the home screen.
    QString externalURL;

    void handleSingleTap();
    void getStarted();
    void okGotit();
    void importFromCloud();
    void onClickScanQR();
    // Back to the plain state, so the screen looks untouched when the application returns.
    void homeButtonPressed();
    bool instructionsShown() const;

    QPushButton* getStartedButton() const { return m_getStarted; }
    QPushButton* importButton() const { return m_import; }
    QPushButton* scanButton() const { return m_scan; }
    QWidget* instructionsPanel() const { return m_panel; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void handOverIfConfigured();
    void setButtonsVisible(bool visible);

    TapSeries m_taps;
    QPointer<Screen> m_kvHomeGlobal;
    QLabel* m_startImage = nullptr;
    QLabel* m_name = nullptr;
    QWidget* m_buttons = nullptr;
    QPushButton* m_getStarted = nullptr;
    QPushButton* m_import = nullptr;
    QPushButton* m_scan = nullptr;
    QWidget* m_panel = nullptr;
};

}  // namespace korvel
