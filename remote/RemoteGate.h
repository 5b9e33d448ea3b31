#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <chrono>

namespace korvel {

// Who may call the remote control API, per client address: a bearer token that matches, at most
// `perSecond` calls a second, and a back-off after wrong tokens that doubles with each one past
// the first few (up to `longestLockout`), during which the client is not even heard. A right token
// forgives the wrong ones before it. Times are the caller's steady clock.
class RemoteGate {
public:
    using Time = std::chrono::milliseconds;

    enum class Verdict {
        Pass,
        NoToken,      // 401
        WrongToken,   // 401, counted towards the back-off
        LockedOut,    // 429 with retryAfter
        TooFast,      // 429
    };
    struct Answer {
        Verdict verdict = Verdict::Pass;
        std::chrono::seconds retryAfter{0};
    };

    static constexpr int freeFailures = 3;
    static constexpr std::chrono::seconds longestLockout{300};
    static constexpr int perSecond = 150;
    static constexpr int clientsKept = 4096;

    // `tokenMatches`: whether the request's token is the kept one (false also for no token).
    Answer admit(const QString& client, bool hasToken, bool tokenMatches, Time now);

private:
    struct Client {
        int failures = 0;
        Time lockedUntil{0};
        Time windowStart{0};
        int callsInWindow = 0;
        Time lastSeen{0};
    };
    void forgetOldest();
    QHash<QString, Client> m_clients;
};

}  // namespace korvel
