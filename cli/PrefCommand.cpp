#include "cli/PrefCommand.h"

#include "cli/CommandText.h"
#include "settings/KVSettings.h"
#include "settings/PreferenceText.h"

#include <QJsonObject>
#include <QTextStream>

namespace korvel {

namespace {

const KVBrowserPrefSettings::Field* knownField(const QString& key, QTextStream& err)
{
    const KVBrowserPrefSettings::Field* field = KVBrowserPrefSettings::fieldForKey(key);
    if (!field)
        err << "korvelctl: unknown preference \"" << key << "\"; \"korvelctl pref list\" shows every key\n";
    return field;
}

}  // namespace

int runPrefCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    const QString verb = arguments.value(0);
    if (verb == QLatin1String("list") && arguments.size() == 1) {
        const KVBrowserPrefSettings& record = KVSettings::getSettingsObject().kvBrowPref;
        for (const KVBrowserPrefSettings::Field& field : KVBrowserPrefSettings::fields())
            out << field.key << " = " << PreferenceText::format(record, field) << '\n';
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("list") && arguments.size() == 2 && arguments.at(1) == QLatin1String("--describe")) {
        // The schema every store of a preference is checked against: type, factory value, allowed values.
        const KVBrowserPrefSettings defaults = KVBrowserPrefSettings::init();
        for (const KVBrowserPrefSettings::Field& field : KVBrowserPrefSettings::fields()) {
            out << field.key << ": " << PreferenceText::typeName(field.type) << ", default \""
                << PreferenceText::format(defaults, field) << '"';
            if (field.range)
                out << ", from " << field.range->minimum << " to " << field.range->maximum;
            const QStringList names = field.valueNames();
            for (int i = 0; i < names.size(); ++i)
                out << (i == 0 ? ", named " : ", ") << i << ' ' << names.at(i);
            out << ". " << field.description << '\n';
        }
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("get") && arguments.size() == 2) {
        const KVBrowserPrefSettings::Field* field = knownField(arguments.at(1), err);
        if (!field)
            return ExitStatus::Refused;
        out << PreferenceText::format(KVSettings::getSettingsObject().kvBrowPref, *field) << '\n';
        return ExitStatus::Done;
    }
    if (verb == QLatin1String("set") && arguments.size() == 3) {
        const KVBrowserPrefSettings::Field* field = knownField(arguments.at(1), err);
        if (!field)
            return ExitStatus::Refused;
        // A bad value is refused here, before any Korvel is asked; the performer checks it again.
        QString problem;
        if (!PreferenceText::parse(*field, arguments.at(2), &problem)) {
            err << "korvelctl: " << problem << "; nothing was changed\n";
            return ExitStatus::Refused;
        }
        return CommandText::perform({QStringLiteral("pref.set"), {{QStringLiteral("key"), arguments.at(1)}, {QStringLiteral("value"), arguments.at(2)}}},
                                    out, err);
    }
    err << "korvelctl: usage: pref get KEY | pref set KEY VALUE | pref list [--describe]\n";
    return ExitStatus::Refused;
}

}  // namespace korvel
