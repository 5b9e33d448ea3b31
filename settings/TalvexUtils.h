#pragma once

#include <QString>

namespace korvel {

class UserDefaults;

// The administrator password, kept in the keychain (service "Talvex", account "password") as its
// Base64 text.
class TalvexUtils {
public:
    static constexpr const char* factoryPassword = "9246";

    // Stores `base64Password` (already Base64). A null text fails and leaves the stored password.
    // Returns false on failure.
    static bool setPassword(const QString& base64Password);

    // The stored Base64 text. When the keychain holds nothing, a non-empty legacy "Password" in the
    // stored "BrowserPreferences" is moved into the keychain and returned. Otherwise the empty or
    // null text.
    static QString getPassword();
    static QString getPassword(UserDefaults& defaults);
};

}  // namespace korvel
