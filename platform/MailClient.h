#pragma once

#include <QString>
#include <QStringList>

namespace korvel {

// One message with a file attached.
struct MailMessage {
    QString recipient;
    QString subject;
    QString body;
    QString attachmentPath;
};

// The desktop's mail program, reached through xdg-email. Tests install a double with setCurrent().
class MailClient {
public:
    virtual ~MailClient() = default;

    // True when xdg-email is installed and a program is registered for mailto: addresses.
    virtual bool canSendMail() const;
    // Opens the mail program with `message` filled in; it runs on its own. Returns false, with
    // the reason in `error`, when it could not be started.
    virtual bool compose(const MailMessage& message, QString* error);

    // The xdg-email command line for `message`.
    static QStringList arguments(const MailMessage& message);

    static MailClient& current();
    // Installs `client` (not owned); nullptr goes back to the real one.
    static void setCurrent(MailClient* client);
};

}  // namespace korvel
