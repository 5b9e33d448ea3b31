#include "cli/SettingsCommand.h"

#include "cli/CommandText.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

int runSettingsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("history")})
        return CommandText::perform({QStringLiteral("settings.history"), {}}, out, err);
    if (arguments.value(0) == QLatin1String("rollback") && arguments.size() <= 2) {
        QJsonObject command;
        if (arguments.size() == 2) {
            const std::optional<qint64> index = CommandText::parseNumber(arguments.at(1), "an entry of \"settings history\"", err);
            if (!index)
                return ExitStatus::Refused;
            command.insert(QStringLiteral("index"), *index);
        }
        return CommandText::perform({QStringLiteral("settings.rollback"), command}, out, err);
    }
    err << "Usage: korvelctl settings history | settings rollback [N]\n";
    return ExitStatus::Refused;
}

}  // namespace korvel
