#include "transfer/DocumentSignature.h"

#include "platform/AtomicFile.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <sodium.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korvel::DocumentSignature {

namespace {

const QByteArray publicTag = QByteArrayLiteral("korvel-ed25519");
const QByteArray secretTag = QByteArrayLiteral("korvel-ed25519-secret");
const QString algorithmKey = QStringLiteral("Algorithm");
const QString publicKeyKey = QStringLiteral("PublicKey");
const QString valueKey = QStringLiteral("Value");
const QString algorithm = QStringLiteral("Ed25519");
constexpr qint64 largestKeyFile = 4096;

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

std::optional<QByteArray> decoded(const QString& text, qsizetype size)
{
    const auto result = QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!result || text != QString::fromLatin1(text.toLatin1()) || result.decoded.size() != size)
        return std::nullopt;
    return result.decoded;
}

// "TAG BASE64 [COMMENT]" on the first line, the key decoded to `size` bytes.
std::optional<QByteArray> readKey(const QByteArray& text, const QByteArray& tag, qsizetype size, QString* error)
{
    const QByteArray line = text.left(text.indexOf('\n') < 0 ? text.size() : text.indexOf('\n')).trimmed();
    const QList<QByteArray> fields = line.simplified().split(' ');
    if (fields.size() < 2 || fields.at(0) != tag) {
        *error = QStringLiteral("not a %1 key (the line must begin with \"%1 \")").arg(QString::fromLatin1(tag));
        return std::nullopt;
    }
    std::optional<QByteArray> key = decoded(QString::fromLatin1(fields.at(1)), size);
    if (!key)
        *error = QStringLiteral("the key is not %1 bytes of Base64").arg(size);
    return key;
}

bool writeNew(const QString& path, const QByteArray& bytes, FileAccess access, QString* error)
{
    if (QFileInfo::exists(path) || QFileInfo(path).isSymLink()) {
        *error = path + QStringLiteral(" exists already; a key is never replaced");
        return false;
    }
    return AtomicFile::writeFile(path, bytes, error, access);
}

QString trustProblem(const QString& path, const struct stat& info)
{
    if (!S_ISREG(info.st_mode))
        return path + QStringLiteral(": not a regular file");
    if (info.st_mode & (S_IWGRP | S_IWOTH))
        return path + QStringLiteral(": writable by others than its owner");
    if (info.st_uid != 0 && info.st_uid != geteuid())
        return path + QStringLiteral(": belongs to neither root nor this user");
    return {};
}

}  // namespace

QByteArray canonicalBytes(const QVariantMap& document)
{
    QVariantMap rest = document;
    rest.remove(QLatin1String(signatureKey));
    return PropertyList::toXml(rest);
}

QString fingerprint(const QVariantMap& document)
{
    return QString::fromLatin1(QCryptographicHash::hash(canonicalBytes(document), QCryptographicHash::Sha256).toHex());
}

QString keyId(const QByteArray& publicKey)
{
    return QStringLiteral("SHA256:") + QString::fromLatin1(QCryptographicHash::hash(publicKey, QCryptographicHash::Sha256).toHex().left(16));
}

std::optional<KeyPair> generateKeyPair()
{
    if (!sodiumReady())
        return std::nullopt;
    KeyPair pair;
    pair.publicKey.resize(crypto_sign_PUBLICKEYBYTES);
    pair.secretKey.resize(crypto_sign_SECRETKEYBYTES);
    crypto_sign_keypair(reinterpret_cast<unsigned char*>(pair.publicKey.data()), reinterpret_cast<unsigned char*>(pair.secretKey.data()));
    return pair;
}

QByteArray publicKeyText(const QByteArray& publicKey, const QString& comment)
{
    QByteArray text = publicTag + ' ' + publicKey.toBase64();
    const QByteArray simple = comment.simplified().toUtf8();
    if (!simple.isEmpty())
        text += ' ' + simple;
    return text + '\n';
}

QByteArray secretKeyText(const QByteArray& secretKey)
{
    return secretTag + ' ' + secretKey.toBase64() + '\n';
}

std::optional<QByteArray> readPublicKey(const QByteArray& text, QString* error)
{
    return readKey(text, publicTag, publicKeySize, error);
}

std::optional<QByteArray> readSecretKey(const QByteArray& text, QString* error)
{
    return readKey(text, secretTag, secretKeySize, error);
}

bool writeKeyPair(const QString& directory, const QString& name, const KeyPair& pair, QString* error)
{
    const QString base = QDir(directory).filePath(name);
    // The secret first: a public key without its secret would be trusted for nothing.
    if (QFileInfo::exists(base + QStringLiteral(".pub"))) {
        *error = base + QStringLiteral(".pub exists already; a key is never replaced");
        return false;
    }
    if (!writeNew(base + QStringLiteral(".key"), secretKeyText(pair.secretKey), FileAccess::OwnerOnly, error))
        return false;
    if (writeNew(base + QStringLiteral(".pub"), publicKeyText(pair.publicKey, name), FileAccess::Default, error))
        return true;
    QFile::remove(base + QStringLiteral(".key"));
    return false;
}

QVariantMap sign(QVariantMap document, const QByteArray& secretKey)
{
    document.remove(QLatin1String(signatureKey));
    if (!sodiumReady() || secretKey.size() != secretKeySize)
        return document;
    const QByteArray message = canonicalBytes(document);
    QByteArray signature(crypto_sign_BYTES, '\0');
    crypto_sign_detached(reinterpret_cast<unsigned char*>(signature.data()), nullptr,
                         reinterpret_cast<const unsigned char*>(message.constData()), quint64(message.size()),
                         reinterpret_cast<const unsigned char*>(secretKey.constData()));
    // libsodium's secret key ends with its public key.
    const QByteArray publicKey = secretKey.right(publicKeySize);
    document.insert(QLatin1String(signatureKey), QVariantMap{{algorithmKey, algorithm},
                                                              {publicKeyKey, QString::fromLatin1(publicKey.toBase64())},
                                                              {valueKey, QString::fromLatin1(signature.toBase64())}});
    return document;
}

TrustedKeys trustedKeys(const QString& directory)
{
    TrustedKeys trusted;
    const QByteArray path = QFile::encodeName(directory);
    struct stat folder {};
    if (::stat(path.constData(), &folder) != 0) {
        if (errno == ENOENT)
            return trusted;
        trusted.required = true;
        trusted.problems << directory + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return trusted;
    }
    trusted.required = true;
    if (!S_ISDIR(folder.st_mode)) {
        // Something is there: an administrator meant to trust keys, so nothing from outside passes.
        trusted.problems << directory + QStringLiteral(": not a folder");
        return trusted;
    }
    DIR* listing = ::opendir(path.constData());
    if (!listing) {
        trusted.problems << directory + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
        return trusted;
    }
    QStringList names;
    while (const dirent* entry = ::readdir(listing)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name.endsWith(QLatin1String(".pub")) && name.size() > 4)
            names << name;
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    trusted.required = !names.isEmpty();
    if (!trusted.required)
        return trusted;
    if (folder.st_mode & (S_IWGRP | S_IWOTH)) {
        trusted.problems << directory + QStringLiteral(": writable by others than its owner, no key in it is trusted");
        return trusted;
    }
    for (const QString& name : std::as_const(names)) {
        const QString file = QDir(directory).filePath(name);
        struct stat info {};
        if (::stat(QFile::encodeName(file).constData(), &info) != 0) {
            trusted.problems << file + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
            continue;
        }
        if (const QString problem = trustProblem(file, info); !problem.isEmpty()) {
            trusted.problems << problem;
            continue;
        }
        QFile reader(file);
        if (info.st_size > largestKeyFile || !reader.open(QIODevice::ReadOnly)) {
            trusted.problems << file + QStringLiteral(": cannot be read as a key file");
            continue;
        }
        QString error;
        const std::optional<QByteArray> key = readPublicKey(reader.read(largestKeyFile), &error);
        if (!key) {
            trusted.problems << file + QStringLiteral(": ") + error;
            continue;
        }
        trusted.keys.append({name.chopped(4), *key});
    }
    return trusted;
}

TrustedKeys trustedKeys()
{
    return trustedKeys(Paths::trustedKeysDirectory());
}

QString Check::text() const
{
    switch (state) {
    case State::Unsigned:
        return QStringLiteral("not signed");
    case State::Malformed:
        return QStringLiteral("its signature cannot be read");
    case State::Bad:
        return QStringLiteral("its signature does not match its content (changed after signing, or forged)");
    case State::Untrusted:
        return QStringLiteral("signed by key %1, which this kiosk does not trust").arg(keyId);
    case State::Valid:
        return QStringLiteral("signed by trusted key %1 (%2)").arg(keyName, keyId);
    }
    return {};
}

Check check(const QVariantMap& document, const TrustedKeys& trusted)
{
    Check result;
    result.required = trusted.required;
    const auto found = document.constFind(QLatin1String(signatureKey));
    if (found == document.constEnd())
        return result;
    result.state = State::Malformed;
    if (found->typeId() != QMetaType::QVariantMap)
        return result;
    const QVariantMap signature = found->toMap();
    const QVariant publicKeyText = signature.value(publicKeyKey);
    const QVariant valueText = signature.value(valueKey);
    if (signature.value(algorithmKey) != QVariant(algorithm) || publicKeyText.typeId() != QMetaType::QString
        || valueText.typeId() != QMetaType::QString)
        return result;
    const std::optional<QByteArray> publicKey = decoded(publicKeyText.toString(), publicKeySize);
    const std::optional<QByteArray> value = decoded(valueText.toString(), crypto_sign_BYTES);
    if (!publicKey || !value || !sodiumReady())
        return result;
    result.keyId = keyId(*publicKey);
    const QByteArray message = canonicalBytes(document);
    const bool matches = crypto_sign_verify_detached(reinterpret_cast<const unsigned char*>(value->constData()),
                                                     reinterpret_cast<const unsigned char*>(message.constData()), quint64(message.size()),
                                                     reinterpret_cast<const unsigned char*>(publicKey->constData()))
                         == 0;
    if (!matches) {
        result.state = State::Bad;
        return result;
    }
    result.state = State::Untrusted;
    for (const TrustedKey& key : trusted.keys) {
        if (key.publicKey == *publicKey) {
            result.state = State::Valid;
            result.keyName = key.name;
            break;
        }
    }
    return result;
}

}  // namespace korvel::DocumentSignature
