#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <functional>

namespace korvel {

// The rest of a large request body moved from the connection's socket into a file without passing
// through this process.
class ConnectionSocket {
public:
    enum class Outcome {
        Complete,
        TimedOut,     // nothing arrived for the idle time
        Closed,       // the peer closed or the socket failed
        Stopped,      // `stopping` turned true
        Refused,      // the file took no more
        Unsupported,  // splice() is not available here; nothing was read
    };
    // Moves exactly `length` bytes from `socket` to the end of the open file `file` through a pipe
    // (splice), so that they are copied once, into the page cache, and never into this process;
    // `appended` hears of every step. Ends early when no byte arrives for `idle`, the peer closes or
    // fails, `stopping` turns true, or the file takes no more.
    static Outcome spliceInto(int file, int socket, qint64 length, std::chrono::milliseconds idle, const std::atomic<bool>& stopping,
                              const std::function<void(qint64)>& appended);
};

}  // namespace korvel
