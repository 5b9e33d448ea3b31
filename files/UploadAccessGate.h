#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <chrono>
#include <mutex>
#include <string>

namespace korvel {

// The upload server's access code: which requests need it, whether the one sent is right, and how
// long a client that sent wrong ones must wait before its next attempt is even looked at. Beside
// each client's own wait, all clients share one budget of wrong codes, so that many addresses
// together guess no faster than a few. Safe to call from the server's threads; the time is passed
// in, so tests run on mock time.
class UploadAccessGate {
public:
    // The request header that carries the code, percent-encoded (the server decodes header values).
    static constexpr const char* headerName = "X-Access-Code";
    // Clients remembered at once; beyond it the one that failed longest ago is forgotten.
    static constexpr int clientLimit = 1024;
    // A client that sent no wrong code for this long starts afresh.
    static constexpr std::chrono::minutes forgetAfter{15};

    enum class Verdict {
        Open,     // no code is set
        Granted,  // the right code
        Missing,  // 401
        Wrong,    // 403
        TooSoon,  // 429: sent before the wait of its last wrong code (or the shared budget's) ended; not compared
    };
    struct Answer {
        Verdict verdict = Verdict::Open;
        int failures = 0;                     // wrong codes in a row from this client
        std::chrono::milliseconds wait{0};    // before the next attempt is looked at
        // Set on the first refusal once the shared budget ran out: who sent the wrong codes,
        // "192.168.1.7 (3), 192.168.1.9 (2)", busiest first.
        QString pausedBy;
    };

    // Wrong codes all clients together may send: `size` at once, then one more per `refill`.
    struct Budget {
        int size = 20;
        std::chrono::milliseconds refill{std::chrono::seconds(30)};
    };

    // An empty code leaves the server open.
    explicit UploadAccessGate(const QString& code);
    UploadAccessGate(const QString& code, Budget budget);

    bool isOpen() const;
    // Takes effect for the next request; the clients' records and the budget stay.
    void setCode(const QString& code);

    // Whether a request needs the code (when one is set): all but the upload page itself and the
    // error page, fixed files that carry nothing of the device and are what asks for the code.
    static bool needsCode(const std::string& method, const std::string& path);
    // Loopback for 127.0.0.0/8, ::1 and their IPv4-mapped form; anything unreadable is Network.
    enum class Origin { Loopback, Network };
    static Origin originOf(const std::string& address);
    // The key a client's failures are counted under: its IPv4 address, or the /64 network of an
    // IPv6 address (one device may use any number of addresses there).
    static QString clientKey(const std::string& address);

    // The wait after `failures` wrong codes in a row: none, then 1 s doubling up to maxWait.
    static constexpr std::chrono::milliseconds maxWait{std::chrono::seconds(60)};
    static std::chrono::milliseconds waitAfter(int failures);

    // Compares in time that depends on neither code: both are hashed and the digests compared whole.
    static bool sameCode(const QByteArray& expectedDigest, const QByteArray& given);
    static QByteArray digestOf(const QByteArray& code);

    // Judges `given` (nullptr: no code sent) from `client` at `now`, and counts a wrong one.
    Answer check(const QString& client, const QByteArray* given, const QDateTime& now);

private:
    struct Failures {
        int count = 0;
        qint64 lastMs = 0;
    };
    void forgetOld(qint64 nowMs);
    // Tokens of the shared budget that have come back by `nowMs`.
    void refill(qint64 nowMs);
    QString busiestClients() const;

    const Budget m_budget;
    mutable std::mutex m_mutex;
    QByteArray m_digest;
    QHash<QString, Failures> m_failures;
    int m_tokens = 0;
    qint64 m_refilledMs = 0;
    bool m_paused = false;
};

}  // namespace korvel
