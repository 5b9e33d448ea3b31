#include "files/ConnectionSocket.h"

#include <dirent.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <memory>

namespace korvel {

namespace {

// The address as the HTTP library writes it into a request (numeric host), and the port.
bool endpoint(const sockaddr_storage& address, socklen_t length, std::string& host, int& port)
{
    if (address.ss_family == AF_INET)
        port = ntohs(reinterpret_cast<const sockaddr_in&>(address).sin_port);
    else if (address.ss_family == AF_INET6)
        port = ntohs(reinterpret_cast<const sockaddr_in6&>(address).sin6_port);
    else
        return false;
    std::array<char, NI_MAXHOST> text{};
    if (getnameinfo(reinterpret_cast<const sockaddr*>(&address), length, text.data(), text.size(), nullptr, 0, NI_NUMERICHOST) != 0)
        return false;
    host = text.data();
    return true;
}

// Waits in short slices so that a stopping server does not wait out a whole idle time.
constexpr int sliceMs = 250;

// Waits for `socket` to have bytes to read; nullopt when it has, else why not.
std::optional<ConnectionSocket::Outcome> waitReadable(int socket, std::chrono::milliseconds idle, const std::atomic<bool>& stopping)
{
    for (qint64 waited = 0;; waited += sliceMs) {
        if (stopping.load(std::memory_order_relaxed))
            return ConnectionSocket::Outcome::Stopped;
        if (waited >= idle.count())
            return ConnectionSocket::Outcome::TimedOut;
        pollfd waiting{socket, POLLIN, 0};
        const int ready = poll(&waiting, 1, sliceMs);
        if (ready > 0)
            return std::nullopt;
        if (ready < 0 && errno != EINTR)
            return ConnectionSocket::Outcome::Closed;
    }
}

bool hasEndpoint(int socket, bool peer, const std::string& host, int port)
{
    sockaddr_storage address{};
    socklen_t length = sizeof(address);
    const int result = peer ? getpeername(socket, reinterpret_cast<sockaddr*>(&address), &length)
                            : getsockname(socket, reinterpret_cast<sockaddr*>(&address), &length);
    std::string foundHost;
    int foundPort = -1;
    return result == 0 && endpoint(address, length, foundHost, foundPort) && foundPort == port && foundHost == host;
}

}  // namespace

std::optional<int> ConnectionSocket::find(const std::string& localAddress, int localPort, const std::string& remoteAddress,
                                          int remotePort)
{
    if (localPort <= 0 || remotePort <= 0)
        return std::nullopt;
    const std::unique_ptr<DIR, int (*)(DIR*)> descriptors(opendir("/proc/self/fd"), closedir);
    if (!descriptors)
        return std::nullopt;
    while (const dirent* entry = readdir(descriptors.get())) {
        char* end = nullptr;
        const long number = std::strtol(entry->d_name, &end, 10);
        if (end == entry->d_name || *end != '\0' || number < 0 || number == dirfd(descriptors.get()))
            continue;
        const int socket = int(number);
        if (hasEndpoint(socket, false, localAddress, localPort) && hasEndpoint(socket, true, remoteAddress, remotePort))
            return socket;
    }
    return std::nullopt;
}

ConnectionSocket::Outcome ConnectionSocket::spliceInto(int file, int socket, qint64 length, std::chrono::milliseconds idle,
                                                       const std::atomic<bool>& stopping, const std::function<void(qint64)>& appended)
{
    int pipe[2];
    if (pipe2(pipe, O_CLOEXEC) != 0)
        return Outcome::Unsupported;
    const auto closePipe = [&pipe] {
        close(pipe[0]);
        close(pipe[1]);
    };
    // A larger pipe moves more per call; the default (64 KiB) still works when this is refused.
    const int grown = fcntl(pipe[1], F_SETPIPE_SZ, 1 << 20);
    const qint64 capacity = grown > 0 ? grown : 64 * 1024;
    qint64 left = length;
    bool movedAny = false;
    while (left > 0) {
        if (const auto notReadable = waitReadable(socket, idle, stopping)) {
            closePipe();
            return *notReadable;
        }
        // The pipe is empty here, so this never waits for room in it; the socket has bytes, so it
        // takes what has arrived and returns.
        const ssize_t taken = splice(socket, nullptr, pipe[1], nullptr, size_t(std::min(left, capacity)), SPLICE_F_MOVE | SPLICE_F_NONBLOCK);
        if (taken < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (taken < 0 && errno == EINVAL && !movedAny) {
            closePipe();
            return Outcome::Unsupported;
        }
        if (taken <= 0) {
            closePipe();
            return Outcome::Closed;
        }
        for (ssize_t inPipe = taken; inPipe > 0;) {
            const ssize_t put = splice(pipe[0], nullptr, file, nullptr, size_t(inPipe), SPLICE_F_MOVE);
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0) {
                closePipe();
                return Outcome::Refused;
            }
            inPipe -= put;
            appended(put);
        }
        movedAny = true;
        left -= taken;
    }
    closePipe();
    return Outcome::Complete;
}

ConnectionSocket::Outcome ConnectionSocket::receive(int socket, qint64 length, qsizetype pieceSize, std::chrono::milliseconds idle,
                                                    const std::atomic<bool>& stopping,
                                                    const std::function<bool(const char*, qint64)>& sink)
{
    const std::unique_ptr<char[]> buffer(new char[size_t(pieceSize)]);
    qint64 left = length;
    while (left > 0) {
        if (stopping.load(std::memory_order_relaxed))
            return Outcome::Stopped;
        const qint64 wanted = std::min<qint64>(pieceSize, left);
        qint64 filled = 0;
        while (filled < wanted) {
            const ssize_t n = recv(socket, buffer.get() + filled, size_t(wanted - filled), MSG_DONTWAIT);
            if (n > 0) {
                filled += n;
                continue;
            }
            if (n == 0)
                return Outcome::Closed;
            if (errno == EINTR)
                continue;
            if (errno != EAGAIN && errno != EWOULDBLOCK)
                return Outcome::Closed;
            if (const auto notReadable = waitReadable(socket, idle, stopping))
                return *notReadable;
        }
        if (!sink(buffer.get(), filled))
            return Outcome::Refused;
        left -= filled;
    }
    return Outcome::Complete;
}

}  // namespace korvel
