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
// seconds without a touch; every touch gives it 10 more. Once it closed without opening the
// settings, keys go nowhere until the next touch.
class KVPasswordAlert final : public QObject {
    Q_OBJECT
public:
    // Remembers the stack on which the settings menu will be pushed.
    static void initViewController(NavigationStack* stack);

    // Where the hidden gesture leads: the prompt over `over`, the settings menu at once when no
    // password is set, and when the password store is damaged only an alert that says so.
    static void requestAccess(QWidget* over);
    // Shows the prompt over `over`; a right password opens the settings menu.
    static void showPasswordAlert(QWidget* over);
    // Says that the password store is damaged and how to set a new password; opens nothing.
    static void showDamagedStoreAlert(QWidget* over);
    static void moveToSettingsScreen();

private:
    explicit KVPasswordAlert(QWidget* over);
    void resetIdleTimer();
    void idleTimerExceeded();

    QPointer<Alert> m_alert;
    Timer m_idle;
    bool m_settingsOpened = false;
};

}  // namespace korvel
