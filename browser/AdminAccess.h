#pragma once

#include <QDateTime>

#include <functional>

class QWidget;

namespace korvel {

// What happens when the hidden gesture grants access on a screen: the application shell shows the
// password prompt (or, without a password, the settings menu). Screens of lower layers only report
// the grant; the shell installs the handler at launch.
class AdminAccess {
public:
    using Handler = std::function<void(QWidget* screen)>;

    static void setGrantedHandler(Handler handler);
    // Calls the handler for `screen`; nothing when none is installed.
    static void granted(QWidget* screen);

    // The application's start, from which "Restrict Settings after (Minutes)" counts on every
    // screen: screens come and go (a new home screen and browser window after every Home), the
    // start does not. The application sets it at launch; an invalid time forgets it.
    static void setTimeStart(const QDateTime& time);
    // The time set at launch; when none was set, the time of the first question, kept from then on.
    static QDateTime timeStart();
};

}  // namespace korvel
