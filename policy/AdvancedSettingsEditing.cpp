#include "policy/AdvancedSettingsEditing.h"

#include "policy/PolicyIndex.h"
#include "settings/KVSettings.h"

namespace korvel {

std::optional<QString> AdvancedSettingsEditing::leaveRefusal(const KVBrowserPrefSettings& edited)
{
    if (edited.allowContentBlocking && edited.strBlockedKeyWord.trimmed().isEmpty())
        return QStringLiteral("Enter the keyword for content blocking");
    return loadingHostsRefusal(edited.alsoAllowedForLoading);
}

std::optional<QString> AdvancedSettingsEditing::loadingHostsRefusal(const QString& hosts)
{
    const QStringList tooBroad = PolicyIndex::publicSuffixEntries(hosts);
    if (tooBroad.isEmpty())
        return std::nullopt;
    return QStringLiteral("\"%1\" is a public suffix: pages could load from every site under it. "
                          "Enter the hosts themselves, such as cdn.example.com.")
        .arg(tooBroad.first());
}

EditOutcome AdvancedSettingsEditing::save(KVSettings& settings, const KVBrowserPrefSettings& edited)
{
    KVBrowserPrefSettings& preferences = settings.kvBrowPref;
    preferences.takeShownOn(KVBrowserPrefSettings::Screens::advancedSettings, edited);
    preferences.allowContentBlocking = edited.allowContentBlocking && !edited.strBlockedKeyWord.trimmed().isEmpty();
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
