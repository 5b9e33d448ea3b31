#pragma once

#include <QString>
#include <QStringList>

class QAuthenticator;
class QWidget;

namespace korvel {

class Alert;

// The dialogs of a page (alert, confirm, prompt) and the login a website asks for, as the kiosk's
// own alerts. Each waits for its answer while the page waits.
class PageDialogs {
public:
    enum class Kind { Alert, Confirm, Prompt };
    // The buttons by index: OK (or Login) first, Cancel second; an alert has OK only.
    enum Button { Accept = 0, Decline = 1 };
    struct Answer {
        int button = -1;  // -1 when the alert went without a button
        QStringList fields;

        bool accepted() const { return button == Accept; }
    };

    // The alert for a page's dialog; `host` is the page's, shown under the message.
    static Alert* make(Kind kind, const QString& message, const QString& host, const QString& defaultValue);
    // Shows `alert` over `over` and waits for it to go; an empty answer when it could not show.
    static Answer ask(Alert* alert, QWidget* over);
    // Asks for a login and fills `authenticator`, or cancels it when the person declines.
    static void authenticate(QWidget* over, QAuthenticator* authenticator);
};

}  // namespace korvel
