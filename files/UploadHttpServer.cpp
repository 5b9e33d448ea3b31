#include "files/UploadHttpServer.h"

#include "files/UploadAccessGate.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/pem.h>
#include <openssl/ssl.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <cstring>
#include <thread>

namespace korvel {

namespace {

using Clock = std::chrono::steady_clock;

thread_local UploadHttpServer::Connection* currentConnection = nullptr;

// Read ahead in pieces of this size; a handler that reads a large body asks for more at once.
constexpr qint64 bufferSize = 16 * 1024;
// Waits are cut into slices, so that a stopping server is noticed within one.
constexpr int sliceMs = 250;

// Every connection on a thread of its own, started at once: a pool of fixed size lets a few
// clients that send slowly hold every thread while everyone else waits. The admission in
// process_and_close_socket() bounds how many do real work; a connection beyond it ends within
// milliseconds.
class ConnectionThreads final : public httplib::TaskQueue {
public:
    void enqueue(std::function<void()> task) override
    {
        {
            const std::lock_guard lock(m_mutex);
            ++m_running;
        }
        try {
            std::thread([this, task = std::move(task)] {
                task();
                // Told under the lock: once shutdown() sees zero, this thread no longer touches the queue.
                const std::lock_guard lock(m_mutex);
                --m_running;
                m_idle.notify_all();
            }).detach();
        } catch (const std::system_error&) {
            // No thread to be had: the connection is served here, holding up the next accept.
            task();
            const std::lock_guard lock(m_mutex);
            --m_running;
        }
    }

    void shutdown() override
    {
        std::unique_lock lock(m_mutex);
        m_idle.wait(lock, [this] { return m_running == 0; });
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_idle;
    int m_running = 0;
};

// The address as the log and the gate name it: numeric, an IPv4-mapped IPv6 address as IPv4.
bool endpoint(const sockaddr_storage& address, socklen_t length, std::string& host, int& port)
{
    if (address.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(address);
        port = ntohs(v6.sin6_port);
        if (IN6_IS_ADDR_V4MAPPED(&v6.sin6_addr)) {
            std::array<char, INET_ADDRSTRLEN> text{};
            inet_ntop(AF_INET, v6.sin6_addr.s6_addr + 12, text.data(), text.size());
            host = text.data();
            return true;
        }
    } else if (address.ss_family == AF_INET) {
        port = ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    } else {
        return false;
    }
    std::array<char, NI_MAXHOST> text{};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, text.data(), text.size(), nullptr, 0, NI_NUMERICHOST) != 0)
        return false;
    host = text.data();
    return true;
}

std::string sslError()
{
    std::array<char, 256> text{};
    ERR_error_string_n(ERR_get_error(), text.data(), text.size());
    return text.data();
}

}  // namespace

UploadHttpServer::UploadHttpServer(const Limits& limits, const std::atomic<bool>& stopping)
    : m_limits(limits)
    , m_stopping(stopping)
{
    new_task_queue = [] { return new ConnectionThreads; };
}

UploadHttpServer::~UploadHttpServer() = default;

bool UploadHttpServer::useTls(const QByteArray& certificatePem, const QByteArray& keyPem, QString* error)
{
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why + QStringLiteral(": ") + QString::fromStdString(sslError());
        return false;
    };
    std::shared_ptr<SSL_CTX> context(SSL_CTX_new(TLS_server_method()), SSL_CTX_free);
    if (!context)
        return fail(QStringLiteral("no TLS context"));
    SSL_CTX_set_min_proto_version(context.get(), TLS1_2_VERSION);
    SSL_CTX_set_options(context.get(), SSL_OP_NO_RENEGOTIATION | SSL_OP_CIPHER_SERVER_PREFERENCE | SSL_OP_NO_COMPRESSION);
    SSL_CTX_set_mode(context.get(), SSL_MODE_ENABLE_PARTIAL_WRITE | SSL_MODE_ACCEPT_MOVING_WRITE_BUFFER);
    const std::unique_ptr<BIO, decltype(&BIO_free)> certificateText(BIO_new_mem_buf(certificatePem.constData(), int(certificatePem.size())), BIO_free);
    const std::unique_ptr<BIO, decltype(&BIO_free)> keyText(BIO_new_mem_buf(keyPem.constData(), int(keyPem.size())), BIO_free);
    const std::unique_ptr<X509, decltype(&X509_free)> certificate(PEM_read_bio_X509(certificateText.get(), nullptr, nullptr, nullptr), X509_free);
    const std::unique_ptr<EVP_PKEY, decltype(&EVP_PKEY_free)> key(PEM_read_bio_PrivateKey(keyText.get(), nullptr, nullptr, nullptr),
                                                                 EVP_PKEY_free);
    if (!certificate || !key)
        return fail(QStringLiteral("the certificate or the key cannot be read"));
    if (SSL_CTX_use_certificate(context.get(), certificate.get()) != 1 || SSL_CTX_use_PrivateKey(context.get(), key.get()) != 1
        || SSL_CTX_check_private_key(context.get()) != 1)
        return fail(QStringLiteral("the key does not fit the certificate"));
    m_tls = std::move(context);
    return true;
}

void UploadHttpServer::widenBacklog()
{
    if (svr_sock_ != INVALID_SOCKET)
        ::listen(svr_sock_, SOMAXCONN);
}

UploadHttpServer::Connection* UploadHttpServer::current()
{
    return currentConnection;
}

bool UploadHttpServer::admit(const QString& client)
{
    const std::string key = client.toStdString();
    const std::lock_guard lock(m_mutex);
    int& held = m_perClient[key];
    if (held >= m_limits.connectionsPerClient || m_connections >= m_limits.connections) {
        if (held == 0)
            m_perClient.erase(key);
        return false;
    }
    ++held;
    ++m_connections;
    return true;
}

void UploadHttpServer::release(const QString& client)
{
    const std::string key = client.toStdString();
    const std::lock_guard lock(m_mutex);
    if (auto it = m_perClient.find(key); it != m_perClient.end() && --it->second <= 0)
        m_perClient.erase(it);
    --m_connections;
}

bool UploadHttpServer::process_and_close_socket(socket_t sock)
{
    Connection connection(sock, m_limits, m_stopping);
    const QString client = UploadAccessGate::clientKey(connection.remoteAddress());
    if (!admit(client)) {
        if (onCrowded)
            onCrowded(connection.remoteAddress());
        if (!m_tls)
            connection.sendRefusal("HTTP/1.1 503 Service Unavailable\r\nContent-Type: text/plain; charset=utf-8\r\n"
                                   "Content-Length: 20\r\nRetry-After: 10\r\nConnection: close\r\n\r\nToo many connections");
        connection.close(false);
        return false;
    }
    currentConnection = &connection;
    bool served = true;
    if (m_tls) {
        const std::optional<bool> hello = connection.opensWithTlsHello();
        served = hello && (*hello ? connection.startTls(m_tls.get()) : (connection.m_plainOnTls = true));
    }
    for (int count = 0; served && count < m_limits.requestsPerConnection && !m_stopping.load() && svr_sock_ != INVALID_SOCKET; ++count) {
        if (!connection.awaitRequest(count == 0 ? m_limits.head : m_limits.keepAlive))
            break;
        connection.beginRequest();
        bool closed = false;
        const bool last = count + 1 == m_limits.requestsPerConnection;
        served = process_request(connection, last, closed, [&connection](httplib::Request& request) { connection.beginBody(request); });
        if (closed || !connection.mayCarryOn())
            break;
    }
    currentConnection = nullptr;
    connection.close(connection.m_requestBegun && !connection.mayCarryOn());
    release(client);
    return served;
}

UploadHttpServer::Connection::Connection(int socket, const Limits& limits, const std::atomic<bool>& stopping)
    : m_socket(socket)
    , m_limits(limits)
    , m_stopping(stopping)
    , m_buffer(new char[size_t(bufferSize)])
{
    fcntl(m_socket, F_SETFL, fcntl(m_socket, F_GETFL) | O_NONBLOCK);
    const int yes = 1;
    setsockopt(m_socket, IPPROTO_TCP, TCP_NODELAY, &yes, sizeof(yes));
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    if (getpeername(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        endpoint(address, length, m_remoteAddress, m_remotePort);
    length = sizeof(address);
    if (getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        endpoint(address, length, m_localAddress, m_localPort);
    m_headDeadline = Clock::now() + m_limits.head;
}

UploadHttpServer::Connection::~Connection()
{
    if (m_ssl)
        SSL_free(m_ssl);
    for (const int end : m_pipe) {
        if (end >= 0)
            ::close(end);
    }
}

bool UploadHttpServer::Connection::isLoopback() const
{
    return UploadAccessGate::originOf(m_remoteAddress) == UploadAccessGate::Origin::Loopback;
}

UploadHttpServer::Connection::Wait UploadHttpServer::Connection::waitFor(short events, Clock::time_point deadline) const
{
    for (;;) {
        if (m_stopping.load(std::memory_order_relaxed))
            return Wait::Stopped;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return Wait::TimedOut;
        pollfd waiting{m_socket, events, 0};
        const int ready = poll(&waiting, 1, int(std::min<qint64>(left, sliceMs)));
        if (ready > 0)
            return (waiting.revents & (events | POLLHUP | POLLERR)) ? Wait::Ready : Wait::Closed;
        if (ready < 0 && errno != EINTR)
            return Wait::Closed;
    }
}

Clock::time_point UploadHttpServer::Connection::readDeadline() const
{
    return m_phase == Phase::Head ? m_headDeadline : Clock::now() + m_limits.idle;
}

qint64 UploadHttpServer::Connection::receive(char* into, qint64 size)
{
    if (m_failed)
        return -1;
    for (;;) {
        if (m_ssl) {
            ERR_clear_error();
            const int n = SSL_read(m_ssl, into, int(std::min<qint64>(size, 1 << 30)));
            if (n > 0)
                return n;
            const int error = SSL_get_error(m_ssl, n);
            if (error == SSL_ERROR_ZERO_RETURN)
                return 0;
            if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
                m_failed = true;
                return -1;
            }
            if (waitFor(error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, readDeadline()) != Wait::Ready) {
                m_failed = true;
                return -1;
            }
            continue;
        }
        const ssize_t n = recv(m_socket, into, size_t(size), MSG_DONTWAIT);
        if (n >= 0)
            return n;
        if (errno == EINTR)
            continue;
        if ((errno != EAGAIN && errno != EWOULDBLOCK) || waitFor(POLLIN, readDeadline()) != Wait::Ready) {
            m_failed = true;
            return -1;
        }
    }
}

bool UploadHttpServer::Connection::is_readable() const
{
    return m_bufferBegin < m_bufferEnd || (m_ssl && SSL_pending(m_ssl) > 0) || waitFor(POLLIN, readDeadline()) == Wait::Ready;
}

bool UploadHttpServer::Connection::is_writable() const
{
    return !m_failed && !m_stopping.load(std::memory_order_relaxed);
}

ssize_t UploadHttpServer::Connection::read(char* ptr, size_t size)
{
    if (size == 0)
        return 0;
    if (m_phase == Phase::Head && m_headRead >= m_limits.headBytes)
        return -1;  // a head this large is not a request of ours
    if (m_bufferBegin == m_bufferEnd) {
        const qint64 n = receive(m_buffer.get(), bufferSize);
        if (n <= 0)
            return n;
        m_bufferBegin = 0;
        m_bufferEnd = n;
    }
    const qint64 n = std::min<qint64>(qint64(size), m_bufferEnd - m_bufferBegin);
    std::memcpy(ptr, m_buffer.get() + m_bufferBegin, size_t(n));
    m_bufferBegin += n;
    if (m_phase == Phase::Head)
        m_headRead += n;
    else
        m_bodyRead += n;
    return n;
}

ssize_t UploadHttpServer::Connection::write(const char* ptr, size_t size)
{
    size_t done = 0;
    while (done < size && !m_failed) {
        if (m_stopping.load(std::memory_order_relaxed))
            m_failed = true;
        else if (m_ssl) {
            ERR_clear_error();
            const int n = SSL_write(m_ssl, ptr + done, int(std::min<size_t>(size - done, 1 << 30)));
            if (n > 0) {
                done += size_t(n);
                continue;
            }
            const int error = SSL_get_error(m_ssl, n);
            if ((error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE)
                || waitFor(error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, Clock::now() + m_limits.idle) != Wait::Ready)
                m_failed = true;
        } else {
            const ssize_t n = send(m_socket, ptr + done, size - done, MSG_NOSIGNAL | MSG_DONTWAIT);
            if (n > 0) {
                done += size_t(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                if (waitFor(POLLOUT, Clock::now() + m_limits.idle) != Wait::Ready)
                    m_failed = true;
            } else {
                m_failed = true;
            }
        }
    }
    return m_failed ? -1 : ssize_t(size);
}

void UploadHttpServer::Connection::get_remote_ip_and_port(std::string& ip, int& port) const
{
    ip = m_remoteAddress;
    port = m_remotePort;
}

void UploadHttpServer::Connection::get_local_ip_and_port(std::string& ip, int& port) const
{
    ip = m_localAddress;
    port = m_localPort;
}

std::optional<bool> UploadHttpServer::Connection::opensWithTlsHello()
{
    for (;;) {
        unsigned char first = 0;
        const ssize_t n = recv(m_socket, &first, 1, MSG_PEEK | MSG_DONTWAIT);
        if (n == 1)
            return first == 0x16;  // a TLS handshake record
        if (n == 0 || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR))
            return std::nullopt;
        if (n < 0 && errno == EINTR)
            continue;
        if (waitFor(POLLIN, m_headDeadline) != Wait::Ready)
            return std::nullopt;
    }
}

bool UploadHttpServer::Connection::startTls(SSL_CTX* context)
{
    m_ssl = SSL_new(context);
    if (!m_ssl || SSL_set_fd(m_ssl, m_socket) != 1)
        return false;
    // The handshake belongs to the first request's head and its deadline.
    for (;;) {
        ERR_clear_error();
        const int result = SSL_accept(m_ssl);
        if (result == 1)
            return true;
        const int error = SSL_get_error(m_ssl, result);
        if ((error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE)
            || waitFor(error == SSL_ERROR_WANT_READ ? POLLIN : POLLOUT, m_headDeadline) != Wait::Ready) {
            m_failed = true;
            return false;
        }
    }
}

bool UploadHttpServer::Connection::awaitRequest(std::chrono::milliseconds wait)
{
    if (m_bufferBegin < m_bufferEnd || (m_ssl && SSL_pending(m_ssl) > 0))
        return true;
    return waitFor(POLLIN, Clock::now() + wait) == Wait::Ready;
}

void UploadHttpServer::Connection::beginRequest()
{
    m_phase = Phase::Head;
    m_headDeadline = Clock::now() + m_limits.head;
    m_headRead = 0;
    m_requestBegun = false;
    m_bodyLength = -1;
    m_bodyRead = 0;
    m_chunked = false;
    m_closeAfterReply = false;
    notes = {};
}

void UploadHttpServer::Connection::beginBody(const httplib::Request& request)
{
    m_phase = Phase::Body;
    m_requestBegun = true;
    m_chunked = request.has_header("Transfer-Encoding");
    bool isNumber = false;
    const qint64 length = QByteArray::fromStdString(request.get_header_value("Content-Length")).toLongLong(&isNumber);
    m_bodyLength = request.has_header("Content-Length") ? (isNumber && length >= 0 ? length : -2) : (m_chunked ? -1 : 0);
}

bool UploadHttpServer::Connection::mayCarryOn() const
{
    // The next request begins where this one's body ended; where that is not known, the
    // connection cannot be read on.
    return m_requestBegun && !m_failed && !m_closeAfterReply && !m_chunked && m_bodyLength >= 0 && m_bodyRead == m_bodyLength;
}

qint64 UploadHttpServer::Connection::bodyLeft() const
{
    return m_bodyLength >= 0 ? m_bodyLength - m_bodyRead : -1;
}

qint64 UploadHttpServer::Connection::readBody(char* into, qint64 size)
{
    if (m_bodyLength >= 0)
        size = std::min(size, m_bodyLength - m_bodyRead);
    if (size <= 0)
        return 0;
    qint64 n = 0;
    if (m_bufferBegin < m_bufferEnd) {
        n = std::min(size, m_bufferEnd - m_bufferBegin);
        std::memcpy(into, m_buffer.get() + m_bufferBegin, size_t(n));
        m_bufferBegin += n;
    } else {
        n = receive(into, size);
        if (n <= 0)
            return n;
    }
    m_bodyRead += n;
    return n;
}

qint64 UploadHttpServer::Connection::takeReadAhead(char* into, qint64 size)
{
    const qint64 n = std::min({size, m_bufferEnd - m_bufferBegin, m_bodyLength >= 0 ? m_bodyLength - m_bodyRead : size});
    if (n <= 0)
        return 0;
    std::memcpy(into, m_buffer.get() + m_bufferBegin, size_t(n));
    m_bufferBegin += n;
    m_bodyRead += n;
    return n;
}

bool UploadHttpServer::Connection::canSplice() const
{
    return !m_ssl && !m_failed && m_bufferBegin == m_bufferEnd;
}

UploadHttpServer::Connection::Moved UploadHttpServer::Connection::spliceBody(int file, qint64 length, const std::function<void(qint64)>& moved)
{
    if (m_pipe[0] < 0) {
        if (pipe2(m_pipe, O_CLOEXEC) != 0) {
            m_pipe[0] = m_pipe[1] = -1;
            return Moved::ConnectionFailed;
        }
        // A larger pipe moves more per call; the default (64 KiB) still works when this is refused.
        fcntl(m_pipe[1], F_SETPIPE_SZ, 1 << 20);
    }
    const qint64 capacity = std::max<qint64>(fcntl(m_pipe[1], F_GETPIPE_SZ), 64 * 1024);
    for (qint64 left = length; left > 0;) {
        // The pipe is empty here, so this never waits for room in it; it takes what has arrived.
        const ssize_t taken = splice(m_socket, nullptr, m_pipe[1], nullptr, size_t(std::min(left, capacity)), SPLICE_F_MOVE | SPLICE_F_NONBLOCK);
        if (taken < 0 && errno == EINTR)
            continue;
        if (taken < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (waitFor(POLLIN, Clock::now() + m_limits.idle) != Wait::Ready) {
                m_failed = true;
                return Moved::ConnectionFailed;
            }
            continue;
        }
        if (taken <= 0) {
            m_failed = true;
            return Moved::ConnectionFailed;
        }
        m_bodyRead += taken;
        left -= taken;
        for (ssize_t inPipe = taken; inPipe > 0;) {
            const ssize_t put = splice(m_pipe[0], nullptr, file, nullptr, size_t(inPipe), SPLICE_F_MOVE);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                // What is left in the pipe belongs to no file: the connection is done.
                m_failed = true;
                return Moved::FileFailed;
            }
            inPipe -= put;
            moved(put);
        }
    }
    return Moved::All;
}

void UploadHttpServer::Connection::sendRefusal(const std::string& reply)
{
    write(reply.data(), reply.size());
}

void UploadHttpServer::Connection::close(bool drain)
{
    if (m_ssl && !m_failed)
        SSL_shutdown(m_ssl);
    if (drain) {
        // The reply is out; what the peer still sends is read for a moment, so that the close
        // does not reset the connection before the peer has read the reply.
        ::shutdown(m_socket, SHUT_WR);
        char sink[4096];
        const auto until = Clock::now() + std::chrono::milliseconds(200);
        for (qint64 drained = 0; drained < 256 * 1024 && waitFor(POLLIN, until) == Wait::Ready;) {
            const ssize_t n = recv(m_socket, sink, sizeof(sink), MSG_DONTWAIT);
            if (n <= 0)
                break;
            drained += n;
        }
    }
    ::shutdown(m_socket, SHUT_RDWR);
    ::close(m_socket);
}

}  // namespace korvel
