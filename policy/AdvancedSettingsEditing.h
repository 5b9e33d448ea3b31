#pragma once

#include "policy/EditOutcome.h"

#include <optional>

namespace korvel {

class KVSettings;
struct KVBrowserPrefSettings;

struct AdvancedSettingsInput {
    bool allowAllWebsites = false;
    bool allowContentBlocking = false;
    QString keywords;  // comma-separated, as typed
    bool strictSubresources = false;
    bool learnSubresources = false;
    QString alsoAllowedForLoading;  // hosts, comma-separated, as typed

    static AdvancedSettingsInput fromPreferences(const KVBrowserPrefSettings& preferences);
};

// "Allow all websites", keyword content blocking, and what pages may load.
class AdvancedSettingsEditing {
public:
    // The alert that keeps the administrator on the screen: content blocking without a keyword.
    static std::optional<QString> leaveRefusal(const AdvancedSettingsInput& input);
    // Writes the settings back and saves; content blocking without a keyword is switched off.
    static EditOutcome save(KVSettings& settings, const AdvancedSettingsInput& input);
};

}  // namespace korvel
