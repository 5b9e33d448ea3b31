#include "cli/IconsCommand.h"

#include "cli/CommandText.h"
#include "platform/UserDefaults.h"
#include "policy/IconLayout.h"
#include "settings/KVSettings.h"

#include <QTextStream>

namespace korvel {

int runIconsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments == QStringList{QStringLiteral("reset")})
        return CommandText::finish(IconLayout::reset(KVSettings::getSettingsObject(), UserDefaults::standard()), out, err);
    err << "korvelctl: usage: icons reset; see korvelctl --help\n";
    return 2;
}

}  // namespace korvel
