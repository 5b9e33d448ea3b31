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
    Damaged,  // the keychain cannot be read, or its value is neither a hash nor Base64 text
};

struct StoredPassword {
    PasswordState state = PasswordState::None;
    // While Set: the Argon2id hash, or, in a store an older version wrote and nobody migrated
    // yet, the Base64 text of the password.
    QString stored;
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

// What migrate() found and did.
enum class PasswordMigration {
    Nothing,   // the store holds a hash, the empty password or nothing
    Migrated,  // a Base64 password (in the keychain, or in the older preferences) became a hash
    Failed,    // it could not be written; the Base64 form is still there
    Damaged,   // the store is damaged and is left as it is
};

// The administrator password, kept in the keychain (service "Talvex", account "password") as a
// salted Argon2id hash, never the password itself nor its Base64 text.
class PasswordStore {
public:
    static constexpr const char* factoryPassword = "9246";

    // Stores a new hash of `password` (the empty password as the empty text: no prompt). A null
    // text fails and leaves the stored password; so does a damaged store unless `damaged` is
    // Replace. Returns false on failure.
    static bool setPassword(const QString& password, DamagedStore damaged = DamagedStore::Refuse);
    // Stores `hash` as it is (an Argon2id hash, or the empty text); false on failure or when it is
    // neither.
    static bool setPasswordHash(const QString& hash, DamagedStore damaged = DamagedStore::Refuse);
    // The password store holding `hash` (an Argon2id hash or the empty text), written beside it
    // for an import to put in place together with the settings; nullptr with the reason in
    // `error` (a damaged store included: an import never replaces it).
    static std::unique_ptr<AtomicFile> stagePassword(const QString& hash, QString* error);

    // The stored form: the hash, the empty text for no password, null when nothing is stored or
    // the store is damaged (so whatever decides access asks readPassword() instead). Before
    // migrate() ran on a store an older version wrote, the Base64 text.
    static QString getPassword();
    static QString getPassword(UserDefaults& defaults);
    // The hash that leaves the device in a settings document: the stored hash, a hash made now of
    // a password still stored in Base64, the empty text for no password; null when the store is
    // damaged (a document then carries no password at all).
    static QString passwordHashForDocument();

    // The store's state; when the keychain holds nothing, a non-empty "Password" (Base64) in the
    // stored "BrowserPreferences", where older versions kept it, counts. A damaged keychain is
    // Damaged whatever that place holds. Reading never writes.
    static StoredPassword readPassword();
    static StoredPassword readPassword(UserDefaults& defaults);

    // Whether `typed` is the stored password.
    static PasswordCheck checkPassword(const QString& typed);
    // Whether the factory password (9246) is the one stored. Remembered per stored hash, so the
    // menu that asks right after the prompt does not pay for a second hash.
    static bool isFactoryPasswordInUse();

    // Turns a password an older version stored readable (Base64 in the keychain, or in the stored
    // preferences) into a hash, and removes it from the preferences. Run by the process that
    // writes the home (Korvel at its start, korvelctl under the home's lock).
    static PasswordMigration migrate();
    static PasswordMigration migrate(UserDefaults& defaults);
};

}  // namespace korvel
