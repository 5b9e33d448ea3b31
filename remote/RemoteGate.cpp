#include "remote/RemoteGate.h"

#include <algorithm>

namespace korvel {

using namespace std::chrono;

RemoteGate::Answer RemoteGate::admit(const QString& client, bool hasToken, bool tokenMatches, Time now)
{
    if (!m_clients.contains(client) && m_clients.size() >= clientsKept)
        forgetOldest();
    Client& c = m_clients[client];
    c.lastSeen = now;
    if (now < c.lockedUntil)
        return {Verdict::LockedOut, ceil<seconds>(c.lockedUntil - now)};
    if (now - c.windowStart >= seconds(1)) {
        c.windowStart = now;
        c.callsInWindow = 0;
    }
    if (++c.callsInWindow > perSecond)
        return {Verdict::TooFast, seconds(1)};
    if (hasToken && tokenMatches) {
        c.failures = 0;
        return {Verdict::Pass, {}};
    }
    // A call without a token counts as well: a flood of them is the same guessing.
    ++c.failures;
    if (c.failures > freeFailures) {
        const int doublings = std::min(c.failures - freeFailures - 1, 16);
        const seconds lockout = std::min<seconds>(seconds(1LL << doublings), longestLockout);
        c.lockedUntil = now + lockout;
    }
    return {hasToken ? Verdict::WrongToken : Verdict::NoToken, {}};
}

void RemoteGate::forgetOldest()
{
    // Half the clients go, the longest unseen first; a locked-out one goes only after the others.
    QList<std::pair<Time, QString>> seen;
    for (auto it = m_clients.cbegin(); it != m_clients.cend(); ++it)
        seen.append({std::max(it->lastSeen, it->lockedUntil), it.key()});
    std::sort(seen.begin(), seen.end());
    for (qsizetype i = 0; i < seen.size() / 2; ++i)
        m_clients.remove(seen.at(i).second);
}

}  // namespace korvel
