#pragma once

#include "files/ConnectionLimits.h"

#include <QByteArray>
#include <QString>

#include <httplib.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>


namespace korvel {

// The HTTP library's server with connection handling of our own, which the library leaves open to
// a subclass: every connection gets a thread at once (a few slow senders cannot hold back
// everyone else), a client may hold only a few connections, a request's head must arrive whole
// within a deadline, and TLS is spoken here with OpenSSL. Requests are parsed and routed by the
// library as before. The handlers reach the connection their request came on through current(),
// to read a large body in large pieces.
class UploadHttpServer final : public httplib::Server {
public:
    using Limits = ConnectionLimits;

    class Connection;

    // `stopping` is set before stop(); waits watch it, so a stop does not wait out a time-out.
    UploadHttpServer(const Limits& limits, const std::atomic<bool>& stopping);
    ~UploadHttpServer() override;
    UploadHttpServer(const UploadHttpServer&) = delete;
    UploadHttpServer& operator=(const UploadHttpServer&) = delete;

    // Speaks TLS with this certificate and key (PEM) on every connection that opens with a TLS
    // hello; other connections are served in plain HTTP and told apart (Connection::isPlainOnTls).
    // Returns false, with the reason, when OpenSSL refuses them.
    bool useTls(const QByteArray& certificatePem, const QByteArray& keyPem, QString* error);
    bool usesTls() const { return m_tls != nullptr; }

    // Lets the bound socket queue as many new connections as the system allows: the library asks
    // for 5, beyond which a burst of connections (one page's pictures, a few slow senders) waits
    // a second for the client to try again.
    void widenBacklog();

    // The connection of the request the calling thread is handling; nullptr elsewhere.
    static Connection* current();

    // Told of a connection refused because its client (or everyone) holds too many; on the
    // connection's thread.
    std::function<void(const std::string& address)> onCrowded;

private:
    bool process_and_close_socket(socket_t sock) override;
    bool admit(const QString& client);
    void release(const QString& client);

    const Limits m_limits;
    const std::atomic<bool>& m_stopping;
    std::shared_ptr<SSL_CTX> m_tls;
    std::mutex m_mutex;
    std::unordered_map<std::string, int> m_perClient;
    int m_connections = 0;
};

class UploadHttpServer::Connection final : public httplib::Stream {
public:
    Connection(int socket, const Limits& limits, const std::atomic<bool>& stopping);
    ~Connection() override;
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // httplib::Stream: what the library reads and writes through.
    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* ptr, size_t size) override;
    ssize_t write(const char* ptr, size_t size) override;
    void get_remote_ip_and_port(std::string& ip, int& port) const override;
    void get_local_ip_and_port(std::string& ip, int& port) const override;
    socket_t socket() const override { return m_socket; }

    // The peer's address as the log and the access gate name it (an IPv4-mapped address as IPv4).
    const std::string& remoteAddress() const { return m_remoteAddress; }
    const std::string& localAddress() const { return m_localAddress; }
    bool isLoopback() const;
    bool isTls() const { return m_ssl != nullptr; }
    // A plain HTTP connection to a server that speaks TLS.
    bool isPlainOnTls() const { return m_plainOnTls; }

    // The rest of the current request's body, up to `size` bytes: what was read ahead first,
    // then the connection, never beyond the announced length. >0 bytes; 0 once the body is whole
    // or the peer closed; -1 when nothing came for the idle time, the server stops or it failed.
    qint64 readBody(char* into, qint64 size);
    // How much of the announced body is still to come; -1 when no length was announced.
    qint64 bodyLeft() const;
    // What was read ahead of the body (with the head) and not yet taken, up to `size` bytes; 0
    // when nothing is.
    qint64 takeReadAhead(char* into, qint64 size);
    // Whether the rest of the body can be taken from the socket itself: nothing is read ahead and
    // no TLS lies between.
    bool canSplice() const;
    // Moves the next `length` bytes of the body from the socket to the end of the open file
    // `file` through a pipe: they are copied once, inside the kernel, never into this process;
    // `moved` hears of every step. Only where canSplice().
    enum class Moved { All, ConnectionFailed, FileFailed };
    Moved spliceBody(int file, qint64 length, const std::function<void(qint64)>& moved);
    // The connection closes after the reply (the request's body is not read, or not all of it).
    void closeAfterReply() { m_closeAfterReply = true; }

    // What the server's own checks found out about the current request, for its handlers.
    struct RequestNotes {
        bool withCode = false;   // the access code was set and sent right
        bool fromKiosk = false;  // the kiosk's own window, by its key
    };
    RequestNotes notes;

private:
    friend class UploadHttpServer;
    enum class Phase { Head, Body };
    enum class Wait { Ready, TimedOut, Stopped, Closed };

    bool startTls(SSL_CTX* context);
    // Whether the first bytes are a TLS hello; nullopt when none arrived in time.
    std::optional<bool> opensWithTlsHello();
    // Waits for the next request's first byte; false when the connection is done.
    bool awaitRequest(std::chrono::milliseconds wait);
    void beginRequest();
    void beginBody(const httplib::Request& request);
    bool mayCarryOn() const;
    void sendRefusal(const std::string& reply);
    void close(bool drain);

    Wait waitFor(short events, std::chrono::steady_clock::time_point deadline) const;
    std::chrono::steady_clock::time_point readDeadline() const;
    // Reads once into `into`: >0, 0 at the peer's close, -1 on a time-out, a stop or an error.
    qint64 receive(char* into, qint64 size);

    const int m_socket;
    const Limits& m_limits;
    const std::atomic<bool>& m_stopping;
    SSL* m_ssl = nullptr;
    bool m_plainOnTls = false;
    std::string m_remoteAddress;
    int m_remotePort = -1;
    std::string m_localAddress;
    int m_localPort = -1;
    std::unique_ptr<char[]> m_buffer;
    int m_pipe[2] = {-1, -1};  // made on the first splice
    qint64 m_bufferBegin = 0;
    qint64 m_bufferEnd = 0;
    Phase m_phase = Phase::Head;
    std::chrono::steady_clock::time_point m_headDeadline;
    qint64 m_headRead = 0;
    bool m_requestBegun = false;
    qint64 m_bodyLength = -1;
    qint64 m_bodyRead = 0;
    bool m_chunked = false;
    bool m_closeAfterReply = false;
    bool m_failed = false;
};

}  // namespace korvel
