#pragma once

#include <QString>

namespace korvel {

// Password convenience over the keychain. A missing service, account or password fails with
// KeychainPasswords::missingArgument; other failures pass the keychain's status on (KeychainStatus).
class KeychainPasswords {
public:
    static constexpr int missingArgument = -1001;

    // The stored password as UTF-8 text; a null string when there is none or on failure.
    static QString passwordForService(const QString& service, const QString& account, int* error = nullptr);
    // Adds the item, or updates it when it exists. Returns false on failure.
    static bool setPassword(const QString& password, const QString& service, const QString& account,
                            int* error = nullptr);
};

}  // namespace korvel
