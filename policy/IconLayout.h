#pragma once

#include "policy/EditOutcome.h"

namespace korvel {

class KVSettings;
class UserDefaults;

// The home screen's icon arrangement.
class IconLayout {
public:
    static constexpr const char* hasDraggedKey = "hasDragged";

    // Puts every icon back into the flow layout: all frames cleared, websites marked for a fresh
    // slot, "hasDragged" off, settings saved. The message is the confirmation toast.
    static EditOutcome reset(KVSettings& settings, UserDefaults& defaults);
};

}  // namespace korvel
