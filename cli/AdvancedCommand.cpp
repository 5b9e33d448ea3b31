#include "cli/AdvancedCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "settings/KVSettings.h"
#include "settings/PreferenceText.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

namespace {

const char* const usage =
    "korvelctl: usage: advanced show | advanced set [--allow-all on|off] [--content-blocking on|off] "
    "[--keywords TEXT]; see korvelctl --help\n";

// The preferences the advanced-settings screen edits, shown as "pref get" shows them.
const char* const shownKeys[] = {"AllowAllWebsites", "AllowContentBlocking", "StrBlockedKeyWord"};

}  // namespace

int runAdvancedCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("show") && arguments.size() == 1) {
        const KVBrowserPrefSettings& preferences = KVSettings::getSettingsObject().kvBrowPref;
        for (const char* key : shownKeys) {
            const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(QLatin1String(key));
            Q_ASSERT(field);
            out << key << " = " << PreferenceText::format(preferences, *field) << '\n';
        }
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("set") && arguments.size() > 1) {
        using Kind = CommandOptions::Kind;
        const std::optional<CommandOptions> options = CommandOptions::parse(
            arguments.mid(1), {{"--allow-all", Kind::Value}, {"--content-blocking", Kind::Value}, {"--keywords", Kind::Value}},
            err);
        if (!options)
            return ExitStatus::Refused;
        if (!options->positional().isEmpty()) {
            err << usage;
            return ExitStatus::Refused;
        }
        QJsonObject arguments;
        if (const std::optional<QString> text = options->value("--allow-all")) {
            const std::optional<bool> on = CommandText::parseSwitch(*text, "--allow-all", err);
            if (!on)
                return ExitStatus::Refused;
            arguments.insert(QStringLiteral("allowAll"), *on);
        }
        if (const std::optional<QString> text = options->value("--content-blocking")) {
            const std::optional<bool> on = CommandText::parseSwitch(*text, "--content-blocking", err);
            if (!on)
                return ExitStatus::Refused;
            arguments.insert(QStringLiteral("contentBlocking"), *on);
        }
        if (const std::optional<QString> keywords = options->value("--keywords"))
            arguments.insert(QStringLiteral("keywords"), *keywords);
        return CommandText::perform({QStringLiteral("advanced.set"), arguments}, out, err);
    }
    err << usage;
    return ExitStatus::Refused;
}

}  // namespace korvel
