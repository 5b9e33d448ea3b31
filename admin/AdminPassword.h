#pragma once

#include "settings/PasswordStore.h"

#include <QString>

#include <chrono>

namespace korvel {

class KVSettings;

enum class PasswordChange {
    Changed,
    Empty,     // an empty password would open the settings without a prompt
    Mismatch,  // the repetition differs
    NotSaved,  // the password store could not be written (or is damaged and was not to be replaced)
};

struct PasswordAttempt {
    enum class Verdict {
        Accepted,  // open the settings
        Wrong,     // counted; `wait` is the pause it started, if any
        Refused,   // paused after too many wrong ones: not checked at all; `wait` is what is left
        Damaged,   // the password store cannot be read: nothing opens
    };
    Verdict verdict = Verdict::Wrong;
    std::chrono::seconds wait{0};
};

// The administrator password as the prompt checks it and as the settings menu and korvelctl change
// it: all of them call these, so the rules and the log lines are the same whichever way is taken.
class AdminPassword {
public:
    // Checks `typed` at the Clock's now unless wrong passwords paused the prompt; the pause and the
    // count of wrong ones in a row are kept beside the keychain. A refusal and the start of each
    // pause are logged under "Warning".
    static PasswordAttempt attempt(const QString& typed);
    // How long the prompt is still paused now; zero when it checks what is typed.
    static std::chrono::seconds pausedFor();

    // Stores `password` through the password store when it is not empty and `repeated` is the
    // same, logs "Password Changed" under "Settings", and ends a pause of the prompt (the new
    // password is for the person who set it). Nothing changes on any other result.
    static PasswordChange change(const QString& password, const QString& repeated,
                                 DamagedStore damaged = DamagedStore::Refuse);

    // The prompt names the factory password only on a device nobody has set up yet (no website,
    // no category) that still uses it.
    static bool showsFactoryHint(const KVSettings& settings);
};

}  // namespace korvel
