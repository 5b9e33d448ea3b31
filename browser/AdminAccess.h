#pragma once

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
};

}  // namespace korvel
