#include "cli/PasswordCommand.h"

#include "cli/CommandText.h"
#include "platform/Paths.h"
#include "settings/PasswordStore.h"

#include <QJsonObject>
#include <QTextStream>

#include <optional>

#include <unistd.h>

namespace korvel {

namespace {

int set(QTextStream& out, QTextStream& err)
{
    const std::optional<QString> password = CommandText::readSecret("New administrator password: ", err);
    if (!password) {
        err << "korvelctl: no password on standard input\n";
        return 2;
    }
    // A terminal asks twice, since nobody sees what was typed; piped input is taken as given.
    std::optional<QString> repeated = password;
    if (isatty(STDIN_FILENO))
        repeated = CommandText::readSecret("The same again: ", err);
    // Refused here before anything is sent; the performer refuses the empty one again.
    if (password->isEmpty()) {
        err << "korvelctl: refused: an empty password would open the settings to anyone\n";
        return 2;
    }
    if (repeated.value_or(QString()) != *password) {
        err << "korvelctl: refused: the two entries differ\n";
        return 2;
    }
    // Over the control socket (the user's own, mode 0600) or performed here; never in an argument.
    return CommandText::perform({QStringLiteral("password.set"), {{QStringLiteral("password"), *password}}}, out, err);
}

int check(QTextStream& out, QTextStream& err)
{
    const std::optional<QString> password = CommandText::readSecret("Administrator password: ", err);
    if (!password) {
        err << "korvelctl: no password on standard input\n";
        return 2;
    }
    switch (PasswordStore::checkPassword(*password)) {
    case PasswordCheck::Matches:
        out << "The password is right.\n";
        return 0;
    case PasswordCheck::Wrong:
        err << "The password is wrong.\n";
        return 1;
    case PasswordCheck::NoPassword:
        err << "No password is set: the settings open without one.\n";
        return 1;
    case PasswordCheck::Damaged:
        err << "The password store " << Paths::keychainFile()
            << " is damaged: the settings stay locked until \"korvelctl password set\" replaces it.\n";
        return 3;
    }
    return 3;
}

}  // namespace

int runPasswordCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("set")})
        return set(out, err);
    if (arguments == QStringList{QStringLiteral("check")})
        return check(out, err);
    if (!arguments.isEmpty() && (arguments.first() == QLatin1String("set") || arguments.first() == QLatin1String("check")))
        err << "korvelctl: the password is read from standard input, never from the command line\n";
    else
        err << "korvelctl: usage: password set|check; see korvelctl --help\n";
    return 2;
}

}  // namespace korvel
