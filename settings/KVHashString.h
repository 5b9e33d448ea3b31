#pragma once

#include <QString>

namespace korvel {

// How much an Argon2id hash of the administrator password costs to make and to check.
enum class PasswordCost {
    Product,    // 2 passes over 19 MiB: a few tenths of a second, once per prompt answer (see docs/DECISIONS.md)
    TestsOnly,  // the library's minimum: a test makes hundreds of hashes
};

// The forms of the administrator password: the Base64 text that settings documents made by hand and
// by older versions carry ("Password"), and the salted Argon2id hash that the password store keeps
// and documents carry now ("PasswordHash", libsodium's crypto_pwhash_str form,
// "$argon2id$v=19$m=...,t=...,p=...$salt$hash").
class KVHashString {
public:
    // Standard Base64 (padded, one line) of the UTF-8 bytes; the empty text stays empty.
    static QString stringToBase64(const QString& text);
    // Decodes Base64 and reads the bytes as UTF-8; text that is not Base64 gives the empty text.
    static QString base64ToString(const QString& base64);
    // Whether `text` is Base64 text (the empty text is).
    static bool isBase64(const QString& text);

    // A new salted Argon2id hash of the password's UTF-8 bytes at the current cost; the null text
    // when the library cannot make one (out of memory).
    static QString passwordHash(const QString& password);
    // Whether `hash` is an Argon2id hash of `password`; false for anything that is not such a hash.
    static bool verifyPasswordHash(const QString& hash, const QString& password);
    // Whether `text` is an Argon2id hash in the library's form whose cost a kiosk can afford to
    // check (at most 256 MiB and 16 passes): a document must not make the prompt hang the device.
    static bool isPasswordHash(const QString& text);

    static void setPasswordCost(PasswordCost cost);
};

}  // namespace korvel
