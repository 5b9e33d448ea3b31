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
// long a client that sent wrong ones must wait before its next attempt is even looked at. Safe to
// call from the server's threads; the time is passed in, so tests run on mock time.
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
        TooSoon,  // 429: sent before the wait of its last wrong code ended; not compared
    };
    struct Answer {
        Verdict verdict = Verdict::Open;
        int failures = 0;                     // wrong codes in a row from this client
        std::chrono::milliseconds wait{0};    // before the next attempt is looked at
    };

    // An empty code leaves the server open.
    explicit UploadAccessGate(const QString& code);

    bool isOpen() const { return m_digest.isEmpty(); }

    // Whether a request needs the code. The upload page itself and the error page are fixed files
    // that carry nothing of the device, and they are what asks for the code; documents read over
    // loopback are the kiosk's own window showing its local pages.
    enum class Origin { Loopback, Network };
    static bool needsCode(const std::string& method, const std::string& path, Origin origin);
    // Loopback for 127.0.0.0/8, ::1 and their IPv4-mapped form; anything unreadable is Network.
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

    QByteArray m_digest;
    std::mutex m_mutex;
    QHash<QString, Failures> m_failures;
};

}  // namespace korvel
