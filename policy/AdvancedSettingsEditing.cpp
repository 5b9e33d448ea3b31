#include "policy/AdvancedSettingsEditing.h"

#include "settings/KVSettings.h"

namespace korvel {

std::optional<QString> AdvancedSettingsEditing::leaveRefusal(const KVBrowserPrefSettings& edited)
{
    if (edited.allowContentBlocking && edited.strBlockedKeyWord.trimmed().isEmpty())
        return QStringLiteral("Enter the keyword for content blocking");
    return std::nullopt;
}

EditOutcome AdvancedSettingsEditing::save(KVSettings& settings, const KVBrowserPrefSettings& edited)
{
    KVBrowserPrefSettings& preferences = settings.kvBrowPref;
    preferences.takeShownOn(KVBrowserPrefSettings::Screens::advancedSettings, edited);
    preferences.allowContentBlocking = edited.allowContentBlocking && !edited.strBlockedKeyWord.trimmed().isEmpty();
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
