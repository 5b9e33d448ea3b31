#include "settings/KVHashString.h"

#include <QByteArray>
#include <QRegularExpression>

#include <atomic>

#include <sodium.h>

namespace korvel {

namespace {

std::atomic<PasswordCost> currentCost{PasswordCost::Product};

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}

// The hashes a kiosk accepts: Argon2id, version 19, one lane, and a cost it can check in moments.
constexpr qint64 largestMemoryKiB = 256 * 1024;
constexpr qint64 mostPasses = 16;

}  // namespace

QString KVHashString::stringToBase64(const QString& text)
{
    if (text.isEmpty())
        return QString(QLatin1String(""));
    return QString::fromLatin1(text.toUtf8().toBase64());
}

QString KVHashString::base64ToString(const QString& base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QString(QLatin1String(""));
    return QString::fromUtf8(*decoded);
}

bool KVHashString::isBase64(const QString& text)
{
    return text == QString::fromLatin1(text.toLatin1())
           && bool(QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors));
}

QString KVHashString::passwordHash(const QString& password)
{
    if (!sodiumReady())
        return {};
    // OWASP's first Argon2id choice (m = 19 MiB, t = 2): the kiosk checks one password per prompt
    // answer, on small hardware, while the web engine runs.
    const bool product = currentCost.load() == PasswordCost::Product;
    const unsigned long long passes = product ? 2 : crypto_pwhash_OPSLIMIT_MIN;
    const size_t memory = product ? size_t(19) * 1024 * 1024 : crypto_pwhash_MEMLIMIT_MIN;
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, bytes.constData(), quint64(bytes.size()), passes, memory) != 0)
        return {};
    return QString::fromLatin1(out);
}

bool KVHashString::verifyPasswordHash(const QString& hash, const QString& password)
{
    if (!sodiumReady() || !isPasswordHash(hash))
        return false;
    const QByteArray stored = hash.toLatin1();
    const QByteArray bytes = password.toUtf8();
    return crypto_pwhash_str_verify(stored.constData(), bytes.constData(), quint64(bytes.size())) == 0;
}

bool KVHashString::isPasswordHash(const QString& text)
{
    static const QRegularExpression form(
        QStringLiteral("^\\$argon2id\\$v=19\\$m=([0-9]{1,10}),t=([0-9]{1,10}),p=1\\$[A-Za-z0-9+/]{11,}\\$[A-Za-z0-9+/]{16,}$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const qint64 memory = match.captured(1).toLongLong();
    const qint64 passes = match.captured(2).toLongLong();
    if (memory < 8 || memory > largestMemoryKiB || passes < 1 || passes > mostPasses)
        return false;
    if (!sodiumReady())
        return false;
    // The library's own reading of the text: -1 when it cannot parse it.
    const QByteArray stored = text.toLatin1();
    return crypto_pwhash_str_needs_rehash(stored.constData(), crypto_pwhash_OPSLIMIT_MIN, crypto_pwhash_MEMLIMIT_MIN) >= 0;
}

void KVHashString::setPasswordCost(PasswordCost cost)
{
    currentCost.store(cost);
}

}  // namespace korvel
