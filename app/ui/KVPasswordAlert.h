#pragma once

#include "platform/Timer.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QWidget;

namespace korvel {

class Alert;
class NavigationStack;

// The administrator password prompt in front of the settings menu. It closes itself after 10
// seconds without a touch; every touch gives it 10 more.
class KVPasswordAlert final : public QObject {
    Q_OBJECT
public:
    // Remembers the stack on which the settings menu will be pushed.
    static void initViewController(NavigationStack* stack);
    static NavigationStack* registeredStack();

    // What opens the settings menu (the shell installs it).
    static void setSettingsOpener(std::function<void(NavigationStack*)> opener);

    // Shows the prompt over `over`; a right password opens the settings menu.
    static void showPasswordAlert(QWidget* over);
    static void moveToSettingsScreen();

private:
    explicit KVPasswordAlert(QWidget* over);
    void resetIdleTimer();
    void idleTimerExceeded();

    QPointer<Alert> m_alert;
    Timer m_idle;
};

}  // namespace korvel
