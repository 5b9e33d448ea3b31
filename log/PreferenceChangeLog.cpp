#include "log/PreferenceChangeLog.h"

#include "log/KVLog.h"
#include "settings/KVSettings.h"

namespace korvel {

void PreferenceChangeLog::install()
{
    KVSettings::setChangeReporter([](const QList<KVSettings::PreferenceChange>& changes, const QString& who) {
        for (const KVSettings::PreferenceChange& change : changes)
            KVLog(QStringLiteral("Settings"), QStringLiteral("Preference %@ changed by %@: %@ -> %@"), change.key, who, change.before,
                  change.after);
    });
}

}  // namespace korvel
