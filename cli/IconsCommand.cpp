#include "cli/IconsCommand.h"

#include "cli/CommandText.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

int runIconsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("reset")})
        return CommandText::perform({QStringLiteral("icons.reset"), {}}, out, err);
    err << "korvelctl: usage: icons reset; see korvelctl --help\n";
    return ExitStatus::Refused;
}

}  // namespace korvel
