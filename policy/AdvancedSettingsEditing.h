#pragma once

#include "policy/EditOutcome.h"
#include "settings/KVBrowserPrefSettings.h"

#include <optional>

namespace korvel {

class KVSettings;

// "Allow all websites", keyword content blocking, what pages may load, and every other preference
// the advanced settings show. `edited` holds them as typed (keywords and hosts comma-separated).
class AdvancedSettingsEditing {
public:
    // The alert that keeps the administrator on the screen: content blocking without a keyword.
    static std::optional<QString> leaveRefusal(const KVBrowserPrefSettings& edited);
    // The refusal of a comma-separated "also allowed for loading" list that names a public suffix
    // ("com", "co.uk"): such an entry would open every site under it, and the index ignores it.
    static std::optional<QString> loadingHostsRefusal(const QString& hosts);
    // Writes the screen's preferences back and saves; content blocking without a keyword is
    // switched off.
    static EditOutcome save(KVSettings& settings, const KVBrowserPrefSettings& edited);
};

}  // namespace korvel
