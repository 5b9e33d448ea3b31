#pragma once

#include "settings/TalvexUtils.h"

#include <QString>

namespace korvel {

enum class PasswordChange {
    Changed,
    Empty,     // an empty password would open the settings without a prompt
    Mismatch,  // the repetition differs
    NotSaved,  // the password store could not be written (or is damaged and was not to be replaced)
};

// The administrator password as the settings menu and korvelctl change it: both call these, so
// the rules and the log lines are the same whichever way it is changed.
class AdminPassword {
public:
    // Stores `password` through the password store when it is not empty and `repeated` is the
    // same, and logs "Password Changed" under "Settings". Nothing changes on any other result.
    static PasswordChange change(const QString& password, const QString& repeated,
                                 DamagedStore damaged = DamagedStore::Refuse);
};

}  // namespace korvel
