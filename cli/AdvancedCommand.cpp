#include "cli/AdvancedCommand.h"

#include "cli/CommandOptions.h"
#include "cli/CommandText.h"
#include "policy/AdvancedSettingsEditing.h"
#include "settings/KVSettings.h"
#include "settings/PreferenceText.h"

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
        return 0;
    }
    if (verb == QLatin1String("set") && arguments.size() > 1) {
        using Kind = CommandOptions::Kind;
        const std::optional<CommandOptions> options = CommandOptions::parse(
            arguments.mid(1), {{"--allow-all", Kind::Value}, {"--content-blocking", Kind::Value}, {"--keywords", Kind::Value}},
            err);
        if (!options)
            return 2;
        if (!options->positional().isEmpty()) {
            err << usage;
            return 2;
        }
        KVSettings& settings = KVSettings::getSettingsObject();
        AdvancedSettingsInput input = AdvancedSettingsInput::fromPreferences(settings.kvBrowPref);
        if (const std::optional<QString> text = options->value("--allow-all")) {
            const std::optional<bool> on = CommandText::parseSwitch(*text, "--allow-all", err);
            if (!on)
                return 2;
            input.allowAllWebsites = *on;
        }
        if (const std::optional<QString> text = options->value("--content-blocking")) {
            const std::optional<bool> on = CommandText::parseSwitch(*text, "--content-blocking", err);
            if (!on)
                return 2;
            input.allowContentBlocking = *on;
        }
        if (const std::optional<QString> keywords = options->value("--keywords"))
            input.keywords = *keywords;
        // Where the screen would keep the administrator with an alert, nothing is saved.
        if (const std::optional<QString> refusal = AdvancedSettingsEditing::leaveRefusal(input)) {
            err << "korvelctl: " << *refusal << '\n';
            return 2;
        }
        return CommandText::finish(AdvancedSettingsEditing::save(settings, input), out, err);
    }
    err << usage;
    return 2;
}

}  // namespace korvel
