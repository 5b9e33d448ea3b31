#include "policy/AdvancedSettingsEditing.h"

#include "settings/KVSettings.h"

namespace korvel {

AdvancedSettingsInput AdvancedSettingsInput::fromPreferences(const KVBrowserPrefSettings& preferences)
{
    return AdvancedSettingsInput{preferences.allowAllWebsites, preferences.allowContentBlocking,
                                 preferences.strBlockedKeyWord, preferences.strictSubresources,
                                 preferences.learnSubresources, preferences.alsoAllowedForLoading};
}

std::optional<QString> AdvancedSettingsEditing::leaveRefusal(const AdvancedSettingsInput& input)
{
    if (input.allowContentBlocking && input.keywords.trimmed().isEmpty())
        return QStringLiteral("Enter the keyword for content blocking");
    return std::nullopt;
}

EditOutcome AdvancedSettingsEditing::save(KVSettings& settings, const AdvancedSettingsInput& input)
{
    KVBrowserPrefSettings& preferences = settings.kvBrowPref;
    preferences.allowAllWebsites = input.allowAllWebsites;
    preferences.allowContentBlocking = input.allowContentBlocking && !input.keywords.trimmed().isEmpty();
    preferences.strBlockedKeyWord = input.keywords;
    preferences.strictSubresources = input.strictSubresources;
    preferences.learnSubresources = input.learnSubresources;
    preferences.alsoAllowedForLoading = input.alsoAllowedForLoading;
    return EditOutcome::saved(settings.save(), -1);
}

}  // namespace korvel
