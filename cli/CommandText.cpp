#include "cli/CommandText.h"

#include "control/ControlClient.h"
#include "control/ControlPerformer.h"
#include "log/KVLog.h"
#include "platform/Paths.h"
#include "settings/PasswordStore.h"

#include <QEventLoop>
#include <QTextStream>

#include <chrono>
#include <iostream>
#include <optional>
#include <string>

#include <termios.h>
#include <unistd.h>

namespace korvel::CommandText {

std::optional<qint64> parseNumber(const QString& text, const char* what, QTextStream& err)
{
    bool ok = !text.isEmpty();
    for (const QChar c : text)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qint64 number = ok ? text.toLongLong(&ok) : 0;
    if (!ok) {
        err << "korvelctl: \"" << text << "\" is not " << what << "\n";
        return std::nullopt;
    }
    return number;
}

std::optional<WebsiteProtocol> parseProtocol(const QString& text, QTextStream& err)
{
    const QString name = text.toLower();
    if (name == QLatin1String("http"))
        return WebsiteProtocol::Http;
    if (name == QLatin1String("https"))
        return WebsiteProtocol::Https;
    if (name == QLatin1String("file"))
        return WebsiteProtocol::File;
    err << "korvelctl: unknown protocol \"" << text << "\"; use http, https or file\n";
    return std::nullopt;
}

std::optional<bool> parseSwitch(const QString& text, const char* name, QTextStream& err)
{
    if (text == QLatin1String("on"))
        return true;
    if (text == QLatin1String("off"))
        return false;
    err << "korvelctl: " << name << " takes on or off, not \"" << text << "\"\n";
    return std::nullopt;
}

QString protocolName(WebsiteProtocol protocol)
{
    switch (protocol) {
    case WebsiteProtocol::Http:
        return QStringLiteral("http");
    case WebsiteProtocol::Https:
        return QStringLiteral("https");
    case WebsiteProtocol::File:
        return QStringLiteral("file");
    }
    // A settings document may carry any number; it is kept and shown as it is.
    return QString::number(qint32(protocol));
}

QString quoted(const QString& text)
{
    QString escaped;
    escaped.reserve(text.size() + 2);
    escaped += QLatin1Char('"');
    for (const QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            escaped += QLatin1Char('\\') + QString(c);
        else if (c == QLatin1Char('\n'))
            escaped += QLatin1String("\\n");
        else if (c == QLatin1Char('\r'))
            escaped += QLatin1String("\\r");
        else
            escaped += c;
    }
    escaped += QLatin1Char('"');
    return escaped;
}

std::optional<QString> readSecret(const char* prompt, QTextStream& err)
{
    const bool terminal = isatty(STDIN_FILENO);
    termios saved{};
    if (terminal) {
        err << prompt;
        err.flush();
        tcgetattr(STDIN_FILENO, &saved);
        termios silent = saved;
        silent.c_lflag &= ~tcflag_t(ECHO);
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &silent);
    }
    std::string line;
    const bool read = bool(std::getline(std::cin, line));
    if (terminal) {
        tcsetattr(STDIN_FILENO, TCSAFLUSH, &saved);
        err << "\n";
        err.flush();
    }
    if (!read)
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return QString::fromStdString(line);
}

int perform(const ControlCommand& command, QTextStream& out, QTextStream& err)
{
    const QString home = Paths::home().isEmpty() ? QStringLiteral("this user's Korvel directories") : Paths::home();
    ControlClient client(Paths::controlSocketFile(), Paths::lockFile());
    // A Korvel that is starting holds the lock before it answers: it is given time to.
    const ControlClient::Way way = client.open(std::chrono::seconds(30));
    std::optional<ControlReply> reply;
    switch (way) {
    case ControlClient::Way::Korvel:
        reply = client.send(command, std::chrono::seconds(ControlPerformer::timeoutSeconds(command.name) + 10));
        break;
    case ControlClient::Way::Here: {
        // The settings are read only now, under the lock: nobody writes them meanwhile. A password
        // an older version stored readable becomes a hash first, as Korvel's start does it.
        if (PasswordStore::migrate() == PasswordMigration::Migrated)
            KVLog(QStringLiteral("Settings"), QStringLiteral("The administrator password is now kept as an Argon2id hash"));
        ControlPerformer performer;
        QEventLoop loop;
        performer.perform(command, QStringLiteral("korvelctl"), [&](const ControlReply& answer) {
            reply = answer;
            loop.quit();
        });
        if (!reply)
            loop.exec();
        break;
    }
    case ControlClient::Way::None:
        break;
    }
    if (!reply) {
        err << "korvelctl: " << client.errorString()
            << (way == ControlClient::Way::Korvel ? "; whether the command took effect is not known\n" : "; nothing was changed\n");
        return ExitStatus::Failed;
    }
    out << reply->output;
    err << reply->error;
    if (way == ControlClient::Way::Korvel)
        err << "korvelctl: performed by the Korvel running on " << home << '\n';
    else if (reply->status == ExitStatus::Done)
        err << "korvelctl: no Korvel runs on " << home << "; korvelctl wrote the files itself\n";
    else  // "wrote the files" after a refusal would mislead whoever reads the log
        err << "korvelctl: no Korvel runs on " << home << "; korvelctl tried it itself and it did not succeed\n";
    return reply->status;
}

}  // namespace korvel::CommandText
