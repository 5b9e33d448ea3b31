#include "files/UploadAccessGate.h"

#include "files/UploadRequestRules.h"

#include <QCryptographicHash>

#include <arpa/inet.h>
#include <netinet/in.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <utility>

namespace korvel {

namespace {

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

bool isMappedIPv4(const UploadRequestRules::AddressBytes& bytes)
{
    return std::all_of(bytes.begin(), bytes.begin() + 10, [](unsigned char b) { return b == 0; }) && bytes[10] == 0xff
           && bytes[11] == 0xff;
}

}  // namespace

UploadAccessGate::UploadAccessGate(const QString& code)
    : UploadAccessGate(code, Budget{})
{
}

UploadAccessGate::UploadAccessGate(const QString& code, Budget budget)
    : m_budget(budget)
    , m_tokens(budget.size)
{
    setCode(code);
}

bool UploadAccessGate::isOpen() const
{
    const std::lock_guard lock(m_mutex);
    return m_digest.isEmpty();
}

void UploadAccessGate::setCode(const QString& code)
{
    const QByteArray digest = code.isEmpty() ? QByteArray() : digestOf(code.toUtf8());
    const std::lock_guard lock(m_mutex);
    m_digest = digest;
}

bool UploadAccessGate::needsCode(const std::string& method, const std::string& path)
{
    const bool reads = method == "GET" || method == "HEAD";
    return !(reads && (path == "/" || path == "/error" || path == "/upload" || startsWith(path, "/upload/")));
}

UploadAccessGate::Origin UploadAccessGate::originOf(const std::string& address)
{
    const auto bytes = UploadRequestRules::addressBytes(address);
    if (!bytes)
        return Origin::Network;
    if (isMappedIPv4(*bytes))
        return (*bytes)[12] == 127 ? Origin::Loopback : Origin::Network;
    const bool v6Loopback = std::all_of(bytes->begin(), bytes->begin() + 15, [](unsigned char b) { return b == 0; }) && (*bytes)[15] == 1;
    return v6Loopback ? Origin::Loopback : Origin::Network;
}

QString UploadAccessGate::clientKey(const std::string& address)
{
    const auto bytes = UploadRequestRules::addressBytes(address);
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

void UploadAccessGate::refill(qint64 nowMs)
{
    const qint64 step = std::max<qint64>(1, m_budget.refill.count());
    if (nowMs < m_refilledMs)
        m_refilledMs = nowMs;  // a clock set back starts the count again from here
    const qint64 back = (nowMs - m_refilledMs) / step;
    if (m_tokens >= m_budget.size) {
        m_refilledMs = nowMs;
    } else if (back > 0) {
        m_tokens = int(std::min<qint64>(m_budget.size, m_tokens + back));
        m_refilledMs = m_tokens >= m_budget.size ? nowMs : m_refilledMs + back * step;
    }
    // The pause is told once per attack: again only after the whole budget has come back.
    if (m_tokens >= m_budget.size)
        m_paused = false;
}

QString UploadAccessGate::busiestClients() const
{
    QList<QPair<int, QString>> clients;
    for (auto it = m_failures.begin(); it != m_failures.end(); ++it)
        clients.append({it->count, it.key()});
    std::sort(clients.begin(), clients.end(), [](const auto& a, const auto& b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    QStringList shown;
    for (qsizetype i = 0; i < clients.size() && i < 10; ++i)
        shown.append(QStringLiteral("%1 (%2)").arg(clients[i].second).arg(clients[i].first));
    if (clients.size() > 10)
        shown.append(QStringLiteral("%1 more").arg(clients.size() - 10));
    return shown.join(QStringLiteral(", "));
}

UploadAccessGate::Answer UploadAccessGate::check(const QString& client, const QByteArray* given, const QDateTime& now)
{
    const qint64 nowMs = now.toMSecsSinceEpoch();
    const std::lock_guard lock(m_mutex);
    if (m_digest.isEmpty())
        return {Verdict::Open, 0, {}, {}};
    auto it = m_failures.find(client);
    // A clock set back must not stretch a wait: the record is dropped as if forgotten.
    if (it != m_failures.end()
        && (nowMs < it->lastMs || nowMs - it->lastMs >= std::chrono::milliseconds(forgetAfter).count())) {
        m_failures.erase(it);
        it = m_failures.end();
    }
    const int failures = it != m_failures.end() ? it->count : 0;
    if (!given)
        return {Verdict::Missing, failures, {}, {}};
    if (it != m_failures.end()) {
        const qint64 readyMs = it->lastMs + waitAfter(it->count).count();
        if (nowMs < readyMs)
            return {Verdict::TooSoon, failures, std::chrono::milliseconds(readyMs - nowMs), {}};
    }
    refill(nowMs);
    if (m_tokens <= 0) {
        const qint64 readyMs = m_refilledMs + std::max<qint64>(1, m_budget.refill.count());
        const bool first = !std::exchange(m_paused, true);
        return {Verdict::TooSoon, failures, std::chrono::milliseconds(std::max<qint64>(1, readyMs - nowMs)),
                first ? busiestClients() : QString()};
    }
    if (sameCode(m_digest, *given)) {
        if (it != m_failures.end())
            m_failures.erase(it);
        return {Verdict::Granted, 0, {}, {}};
    }
    --m_tokens;
    if (it == m_failures.end()) {
        if (m_failures.size() >= clientLimit)
            forgetOld(nowMs);
        it = m_failures.insert(client, Failures{});
    }
    it->count += 1;
    it->lastMs = nowMs;
    return {Verdict::Wrong, it->count, waitAfter(it->count), {}};
}

}  // namespace korvel
