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
    // Writes the screen's preferences back and saves; content blocking without a keyword is
    // switched off.
    static EditOutcome save(KVSettings& settings, const KVBrowserPrefSettings& edited);
};

}  // namespace korvel
