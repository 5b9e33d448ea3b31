#pragma once

#include <QString>

#include <memory>

namespace korvel {

class AtomicFile;
class UserDefaults;

// What the password store holds. A store that cannot be read is Damaged, never "no password":
// no password opens the settings without a prompt, so a damaged store must keep them shut.
enum class PasswordState {
    Set,      // a non-empty password
    None,     // none, or the empty password: the settings open without a prompt
    Damaged,  // the keychain cannot be read, or its value is not Base64 text
};

struct StoredPassword {
    PasswordState state = PasswordState::None;
    QString base64;  // the stored text while Set
};

enum class PasswordCheck {
    Matches,
    Wrong,
    NoPassword,  // nothing to check against (the settings open without one)
    Damaged,
};

// What to do when the store to be written is damaged.
enum class DamagedStore {
    Refuse,   // fail and leave it as it is
    Replace,  // set it aside and start a new one (korvelctl, which proves access to the home)
};

// The administrator password, kept in the keychain (service "Talvex", account "password") as its
// Base64 text.
class TalvexUtils {
public:
    static constexpr const char* factoryPassword = "9246";

    // Stores `base64Password` (already Base64). A null text fails and leaves the stored password;
    // so does a damaged store unless `damaged` is Replace. Returns false on failure.
    static bool setPassword(const QString& base64Password, DamagedStore damaged = DamagedStore::Refuse);
    // The password store holding `base64Password`, written beside it for an import to put in
    // place together with the settings; nullptr with the reason in `error` (a damaged store
    // included: an import never replaces it).
    static std::unique_ptr<AtomicFile> stagePassword(const QString& base64Password, QString* error);

    // The stored Base64 text. When the keychain holds nothing, a non-empty legacy "Password" in the
    // stored "BrowserPreferences" is moved into the keychain and returned. Otherwise the empty or
    // null text; also null when the store is damaged, so whatever decides access asks
    // readPassword() instead.
    static QString getPassword();
    static QString getPassword(UserDefaults& defaults);

    // The store's state and password, with the legacy move of getPassword(); a damaged keychain
    // is Damaged whatever the legacy place holds.
    static StoredPassword readPassword();
    static StoredPassword readPassword(UserDefaults& defaults);

    // Whether `typed` is the stored password.
    static PasswordCheck checkPassword(const QString& typed);
    // Whether the factory password (9246) is the one stored.
    static bool isFactoryPasswordInUse();
};

}  // namespace korvel
