#include "platform/DeviceCertificate.h"

#include "platform/Clock.h"
#include "platform/Paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <openssl/bn.h>
#include <openssl/ec.h>
#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/x509.h>
#include <openssl/x509v3.h>

#include <unistd.h>

#include <cctype>
#include <functional>
#include <memory>
#include <mutex>

namespace korvel {

namespace {

template <typename T, void (*Free)(T*)>
using Owned = std::unique_ptr<T, std::integral_constant<decltype(Free), Free>>;
using Key = Owned<EVP_PKEY, EVP_PKEY_free>;
using Certificate = Owned<X509, X509_free>;
using Memory = Owned<BIO, BIO_free_all>;

std::mutex fileMutex;

QString openSslError()
{
    char text[256] = {};
    ERR_error_string_n(ERR_get_error(), text, sizeof(text));
    return QString::fromLatin1(text);
}

QByteArray pemOf(const std::function<int(BIO*)>& write)
{
    const Memory bio(BIO_new(BIO_s_mem()));
    if (!bio || write(bio.get()) != 1)
        return {};
    char* data = nullptr;
    const long size = BIO_get_mem_data(bio.get(), &data);
    return QByteArray(data, qsizetype(size));
}

Certificate certificateFrom(const QByteArray& pem)
{
    const Memory bio(BIO_new_mem_buf(pem.constData(), int(pem.size())));
    return Certificate(bio ? PEM_read_bio_X509(bio.get(), nullptr, nullptr, nullptr) : nullptr);
}

Key keyFrom(const QByteArray& pem)
{
    const Memory bio(BIO_new_mem_buf(pem.constData(), int(pem.size())));
    return Key(bio ? PEM_read_bio_PrivateKey(bio.get(), nullptr, nullptr, nullptr) : nullptr);
}

// Only letters, digits, dots and hyphens of the host name go into the certificate's names.
QByteArray hostName()
{
    char name[256] = {};
    QByteArray host = gethostname(name, sizeof(name) - 1) == 0 ? QByteArray(name).toLower() : QByteArray();
    host.removeIf([](char c) { return !(std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-'); });
    return host.isEmpty() ? QByteArrayLiteral("korvel") : host.left(63);
}

bool addExtension(X509* certificate, int nid, const QByteArray& value)
{
    X509V3_CTX context;
    X509V3_set_ctx_nodb(&context);
    X509V3_set_ctx(&context, certificate, certificate, nullptr, nullptr, 0);
    X509_EXTENSION* extension = X509V3_EXT_conf_nid(nullptr, &context, nid, value.constData());
    const bool added = extension && X509_add_ext(certificate, extension, -1) == 1;
    X509_EXTENSION_free(extension);
    return added;
}

std::optional<DeviceCertificate::Identity> make(QString* error)
{
    const auto fail = [error](const QString& why) -> std::optional<DeviceCertificate::Identity> {
        if (error)
            *error = why + QStringLiteral(": ") + openSslError();
        return std::nullopt;
    };
    const Key key(EVP_EC_gen("P-256"));
    const Certificate certificate(X509_new());
    const Owned<BIGNUM, BN_free> serial(BN_new());
    if (!key || !certificate || !serial || BN_rand(serial.get(), 127, BN_RAND_TOP_ANY, BN_RAND_BOTTOM_ANY) != 1)
        return fail(QStringLiteral("no key could be made"));
    const QByteArray host = hostName();
    const qint64 now = Clock::instance().now().toSecsSinceEpoch();
    X509_NAME* name = X509_get_subject_name(certificate.get());
    const bool built = X509_set_version(certificate.get(), 2) == 1 && BN_to_ASN1_INTEGER(serial.get(), X509_get_serialNumber(certificate.get()))
                       && ASN1_TIME_set(X509_getm_notBefore(certificate.get()), time_t(now - 24 * 3600))
                       && ASN1_TIME_set(X509_getm_notAfter(certificate.get()), time_t(now + qint64(3650) * 24 * 3600))
                       && X509_set_pubkey(certificate.get(), key.get()) == 1
                       && X509_NAME_add_entry_by_txt(name, "O", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>("Korvel"), -1, -1, 0) == 1
                       && X509_NAME_add_entry_by_txt(name, "CN", MBSTRING_UTF8, reinterpret_cast<const unsigned char*>(host.constData()), -1, -1, 0) == 1
                       && X509_set_issuer_name(certificate.get(), name) == 1
                       && addExtension(certificate.get(), NID_basic_constraints, "critical,CA:FALSE")
                       && addExtension(certificate.get(), NID_key_usage, "critical,digitalSignature")
                       && addExtension(certificate.get(), NID_ext_key_usage, "serverAuth")
                       && addExtension(certificate.get(), NID_subject_alt_name,
                                       "DNS:" + host + ",DNS:" + host + ".local,DNS:localhost,IP:127.0.0.1,IP:::1")
                       && X509_sign(certificate.get(), key.get(), EVP_sha256()) > 0;
    if (!built)
        return fail(QStringLiteral("no certificate could be made"));
    DeviceCertificate::Identity identity;
    identity.certificatePem = pemOf([&](BIO* bio) { return PEM_write_bio_X509(bio, certificate.get()); });
    identity.keyPem = pemOf([&](BIO* bio) { return PEM_write_bio_PrivateKey(bio, key.get(), nullptr, nullptr, 0, nullptr, nullptr); });
    identity.fingerprint = DeviceCertificate::fingerprintOf(identity.certificatePem);
    if (identity.certificatePem.isEmpty() || identity.keyPem.isEmpty())
        return fail(QStringLiteral("the new pair could not be written out"));
    return identity;
}

// Readable by the owner only, from before the first byte; replaced whole or not at all.
bool writeOwnerOnly(const QString& path, const QByteArray& bytes, QString* error)
{
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
                         && file.write(bytes) == bytes.size() && file.commit();
    if (!written && error)
        *error = path + QStringLiteral(": ") + file.errorString();
    return written;
}

}  // namespace

QString DeviceCertificate::certificateFile()
{
    return QFileInfo(Paths::keychainFile()).path() + QStringLiteral("/device-certificate.pem");
}

QString DeviceCertificate::keyFile()
{
    return QFileInfo(Paths::keychainFile()).path() + QStringLiteral("/device-key.pem");
}

QString DeviceCertificate::fingerprintOf(const QByteArray& certificatePem)
{
    const Certificate certificate = certificateFrom(certificatePem);
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (!certificate || X509_digest(certificate.get(), EVP_sha256(), digest, &length) != 1)
        return {};
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(digest), int(length)).toHex(':').toUpper());
}

std::optional<DeviceCertificate::Identity> DeviceCertificate::loadOrCreate(QString* error)
{
    const std::lock_guard lock(fileMutex);
    const auto fail = [error](const QString& why) -> std::optional<Identity> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    const bool hasCertificate = QFileInfo::exists(certificateFile());
    const bool hasKey = QFileInfo::exists(keyFile());
    if (!hasCertificate && !hasKey) {
        std::optional<Identity> made = make(error);
        if (!made)
            return std::nullopt;
        QDir().mkpath(QFileInfo(keyFile()).path());
        // The key first: a certificate is never kept without the key it was made for.
        if (!writeOwnerOnly(keyFile(), made->keyPem, error) || !writeOwnerOnly(certificateFile(), made->certificatePem, error))
            return std::nullopt;
        return made;
    }
    if (!hasCertificate || !hasKey)
        return fail((hasKey ? certificateFile() : keyFile()) + QStringLiteral(" is missing; remove the other to make a new pair"));
    QFile certificateText(certificateFile());
    QFile keyText(keyFile());
    if (!certificateText.open(QIODevice::ReadOnly) || !keyText.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("the device's certificate or key cannot be read"));
    // A key that others could read is closed again before it is used.
    if (keyText.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup | QFileDevice::WriteOther))
        keyText.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    Identity identity{certificateText.readAll(), keyText.readAll(), {}};
    const Certificate certificate = certificateFrom(identity.certificatePem);
    const Key key = keyFrom(identity.keyPem);
    if (!certificate || !key || X509_check_private_key(certificate.get(), key.get()) != 1)
        return fail(QStringLiteral("the device's certificate and key are damaged or do not belong together"));
    identity.fingerprint = fingerprintOf(identity.certificatePem);
    return identity;
}

}  // namespace korvel
