#include "files/UploadAccessGate.h"

#include <QCryptographicHash>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>

namespace korvel {

namespace {

// The 16 bytes of an IPv6 address, an IPv4 one in its mapped form; nullopt when unreadable.
std::optional<std::array<unsigned char, 16>> parsedAddress(const std::string& address)
{
    const std::string bare = address.substr(0, address.find('%'));  // a link-local zone
    std::array<unsigned char, 16> bytes{};
    if (inet_pton(AF_INET6, bare.c_str(), bytes.data()) == 1)
        return bytes;
    in_addr v4{};
    if (inet_pton(AF_INET, bare.c_str(), &v4) != 1)
        return std::nullopt;
    bytes[10] = bytes[11] = 0xff;
    std::memcpy(bytes.data() + 12, &v4, 4);
    return bytes;
}

bool isMappedIPv4(const std::array<unsigned char, 16>& bytes)
{
    return std::all_of(bytes.begin(), bytes.begin() + 10, [](unsigned char b) { return b == 0; }) && bytes[10] == 0xff
           && bytes[11] == 0xff;
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

}  // namespace

UploadAccessGate::UploadAccessGate(const QString& code)
    : m_digest(code.isEmpty() ? QByteArray() : digestOf(code.toUtf8()))
{
}

bool UploadAccessGate::needsCode(const std::string& method, const std::string& path, Origin origin)
{
    const bool reads = method == "GET" || method == "HEAD";
    if (!reads)
        return true;
    if (path == "/" || path == "/error" || path == "/upload" || startsWith(path, "/upload/"))
        return false;
    const bool document = path == "/Documents" || startsWith(path, "/Documents/");
    switch (origin) {
    case Origin::Loopback:
        return !document;
    case Origin::Network:
        return true;
    }
    return true;
}

UploadAccessGate::Origin UploadAccessGate::originOf(const std::string& address)
{
    const auto bytes = parsedAddress(address);
    if (!bytes)
        return Origin::Network;
    if (isMappedIPv4(*bytes))
        return (*bytes)[12] == 127 ? Origin::Loopback : Origin::Network;
    const bool v6Loopback = std::all_of(bytes->begin(), bytes->begin() + 15, [](unsigned char b) { return b == 0; }) && (*bytes)[15] == 1;
    return v6Loopback ? Origin::Loopback : Origin::Network;
}

QString UploadAccessGate::clientKey(const std::string& address)
{
    const auto bytes = parsedAddress(address);
    if (!bytes)
        return QString::fromStdString(address);
    if (isMappedIPv4(*bytes))
        return QStringLiteral("%1.%2.%3.%4").arg((*bytes)[12]).arg((*bytes)[13]).arg((*bytes)[14]).arg((*bytes)[15]);
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char*>(bytes->data()), 8).toHex()) + QStringLiteral("/64");
}

std::chrono::milliseconds UploadAccessGate::waitAfter(int failures)
{
    if (failures <= 0)
        return std::chrono::milliseconds(0);
    const std::chrono::milliseconds doubled = std::chrono::seconds(1) * (qint64(1) << std::min(failures - 1, 16));
    return std::min(doubled, maxWait);
}

QByteArray UploadAccessGate::digestOf(const QByteArray& code)
{
    return QCryptographicHash::hash(code, QCryptographicHash::Sha256);
}

bool UploadAccessGate::sameCode(const QByteArray& expectedDigest, const QByteArray& given)
{
    const QByteArray digest = digestOf(given);
    if (digest.size() != expectedDigest.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < digest.size(); ++i)
        difference |= static_cast<unsigned char>(digest[i] ^ expectedDigest[i]);
    return difference == 0;
}

void UploadAccessGate::forgetOld(qint64 nowMs)
{
    const qint64 forget = std::chrono::milliseconds(forgetAfter).count();
    for (auto it = m_failures.begin(); it != m_failures.end();) {
        if (nowMs < it->lastMs || nowMs - it->lastMs >= forget)
            it = m_failures.erase(it);
        else
            ++it;
    }
    while (m_failures.size() >= clientLimit) {
        auto oldest = std::min_element(m_failures.begin(), m_failures.end(),
                                       [](const Failures& a, const Failures& b) { return a.lastMs < b.lastMs; });
        m_failures.erase(oldest);
    }
}

UploadAccessGate::Answer UploadAccessGate::check(const QString& client, const QByteArray* given, const QDateTime& now)
{
    if (isOpen())
        return {Verdict::Open, 0, {}};
    const qint64 nowMs = now.toMSecsSinceEpoch();
    std::lock_guard<std::mutex> lock(m_mutex);
    auto it = m_failures.find(client);
    // A clock set back must not stretch a wait: the record is dropped as if forgotten.
    if (it != m_failures.end()
        && (nowMs < it->lastMs || nowMs - it->lastMs >= std::chrono::milliseconds(forgetAfter).count())) {
        m_failures.erase(it);
        it = m_failures.end();
    }
    const int failures = it != m_failures.end() ? it->count : 0;
    if (!given)
        return {Verdict::Missing, failures, {}};
    if (it != m_failures.end()) {
        const qint64 readyMs = it->lastMs + waitAfter(it->count).count();
        if (nowMs < readyMs)
            return {Verdict::TooSoon, failures, std::chrono::milliseconds(readyMs - nowMs)};
    }
    if (sameCode(m_digest, *given)) {
        if (it != m_failures.end())
            m_failures.erase(it);
        return {Verdict::Granted, 0, {}};
    }
    if (it == m_failures.end()) {
        if (m_failures.size() >= clientLimit)
            forgetOld(nowMs);
        it = m_failures.insert(client, Failures{});
    }
    it->count += 1;
    it->lastMs = nowMs;
    return {Verdict::Wrong, it->count, waitAfter(it->count)};
}

}  // namespace korvel
