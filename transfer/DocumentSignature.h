#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

#include <optional>

namespace korvel {

// Ed25519 signatures of settings documents. A signed document carries, under "Signature", a
// dictionary of "Algorithm" ("Ed25519"), "PublicKey" (the signer's 32-byte key, Base64) and
// "Value" (the 64-byte signature, Base64) over the canonical bytes of the rest of the document.
// The kiosk trusts the keys in the ".pub" files of Paths::trustedKeysDirectory(); once at least one
// is there, every document that does not come from the administrator at the device must carry a
// valid signature by one of them.
namespace DocumentSignature {

inline constexpr const char* signatureKey = "Signature";
inline constexpr int publicKeySize = 32;
inline constexpr int secretKeySize = 64;

// The bytes that are signed: the XML property list of the document without "Signature", as
// Korvel writes it (keys in sorted order, one form for every value), so a document read from any
// of its forms (XML, binary, CDATA-wrapped, with "&#70;" for "F") gives the same bytes.
QByteArray canonicalBytes(const QVariantMap& document);
// SHA-256 of the canonical bytes, 64 lower-case hexadecimal digits: the document's name in the
// log and in the settings history. A signature does not change it.
QString fingerprint(const QVariantMap& document);
// A short name of a public key: "SHA256:" and the first 16 hexadecimal digits of its SHA-256.
QString keyId(const QByteArray& publicKey);

struct KeyPair {
    QByteArray publicKey;  // 32 bytes
    QByteArray secretKey;  // 64 bytes (libsodium's form: the seed followed by the public key)
};
// A new key pair; nullopt when the library cannot be started.
std::optional<KeyPair> generateKeyPair();
// The key files' one-line texts: "korvel-ed25519 BASE64 COMMENT" and "korvel-ed25519-secret BASE64".
QByteArray publicKeyText(const QByteArray& publicKey, const QString& comment);
QByteArray secretKeyText(const QByteArray& secretKey);
// The key in such a text; nullopt with the reason in `error` for anything else.
std::optional<QByteArray> readPublicKey(const QByteArray& text, QString* error);
std::optional<QByteArray> readSecretKey(const QByteArray& text, QString* error);
// Writes NAME.key (mode 0600) and NAME.pub into `directory`; never replaces a file (a key
// overwritten is a key lost). False with the reason in `error`.
bool writeKeyPair(const QString& directory, const QString& name, const KeyPair& pair, QString* error);

// `document` with a "Signature" made with `secretKey` (any earlier one replaced).
QVariantMap sign(QVariantMap document, const QByteArray& secretKey);

struct TrustedKey {
    QString name;  // the file's name without ".pub"
    QByteArray publicKey;
};
struct TrustedKeys {
    // Whether documents from outside must be signed: a ".pub" file is there (usable or not), or the
    // folder exists but cannot be read. A folder that does not exist trusts no key.
    bool required = false;
    QList<TrustedKey> keys;
    QStringList problems;  // files left out and why, for the log
};
// The trusted keys of `directory`. A file is left out when it is not a regular file, is writable
// by its group or by others, belongs to neither root nor this user, or does not hold a key; the
// folder's own group or other write permission leaves every key out.
TrustedKeys trustedKeys(const QString& directory);
TrustedKeys trustedKeys();  // of Paths::trustedKeysDirectory()

enum class State {
    Unsigned,      // no "Signature"
    Malformed,     // a "Signature" that is not a dictionary of the three texts
    Bad,           // the signature does not match the document
    Untrusted,     // a valid signature by a key that is not trusted here
    Valid,         // a valid signature by a trusted key
};
struct Check {
    State state = State::Unsigned;
    bool required = false;  // whether keys are trusted (documents from outside must be signed)
    QString keyName;        // the trusted key's name while Valid
    QString keyId;          // the signer's keyId() when the signature names one

    // Whether a document from outside is refused.
    bool refused() const { return required && state != State::Valid; }
    // "signed by trusted key NAME", "not signed", ... as the log and korvelctl say it.
    QString text() const;
};
Check check(const QVariantMap& document, const TrustedKeys& trusted);

}  // namespace DocumentSignature

}  // namespace korvel
