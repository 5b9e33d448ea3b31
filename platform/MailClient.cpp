#include "platform/MailClient.h"

#include <QProcess>
#include <QStandardPaths>

namespace korvel {

namespace {

MailClient* installed = nullptr;

}  // namespace

bool MailClient::canSendMail() const
{
    if (QStandardPaths::findExecutable(QStringLiteral("xdg-email")).isEmpty())
        return false;
    // xdg-email falls back to a browser when no mail program is registered; a kiosk has none to
    // fall back to, so only a registered handler counts.
    QProcess query;
    query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/mailto")});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return false;
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

bool MailClient::compose(const MailMessage& message, QString* error)
{
    QProcess process;
    process.setProgram(QStringLiteral("xdg-email"));
    process.setArguments(arguments(message));
    if (process.startDetached())
        return true;
    if (error)
        *error = process.errorString();
    return false;
}

QStringList MailClient::arguments(const MailMessage& message)
{
    QStringList args{QStringLiteral("--utf8"), QStringLiteral("--subject"), message.subject, QStringLiteral("--body"), message.body};
    if (!message.attachmentPath.isEmpty())
        args << QStringLiteral("--attach") << message.attachmentPath;
    args << message.recipient;
    return args;
}

MailClient& MailClient::current()
{
    static MailClient real;
    return installed ? *installed : real;
}

void MailClient::setCurrent(MailClient* client)
{
    installed = client;
}

}  // namespace korvel
