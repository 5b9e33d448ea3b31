#include "files/ConnectionSocket.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace korvel {

namespace {

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

}  // namespace

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

}  // namespace korvel
