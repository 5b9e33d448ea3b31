#pragma once

#include <QtGlobal>

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace korvel {

// The socket of the connection a request arrived on, for reading the rest of a large body in
// large pieces: the HTTP library hands a body over 4 KiB per call, each with a poll and a recv.
// The socket is found among this process's descriptors by its two endpoints, which name one
// connection; a request whose socket is not found is read through the library as before.
class ConnectionSocket {
public:
    // The descriptor whose local and peer address and port are these; nullopt when none is.
    static std::optional<int> find(const std::string& localAddress, int localPort, const std::string& remoteAddress,
                                   int remotePort);

    enum class Outcome {
        Complete,
        TimedOut,     // nothing arrived for the idle time
        Closed,       // the peer closed or the socket failed
        Stopped,      // `stopping` turned true
        Refused,      // the file (or the sink) took no more
        Unsupported,  // splice() is not available here; nothing was read
    };
    // Moves exactly `length` bytes from `socket` to the end of the open file `file` through a pipe
    // (splice), so that they are copied once, into the page cache, and never into this process;
    // `appended` hears of every step. Ends early when no byte arrives for `idle`, the peer closes or
    // fails, `stopping` turns true, or the file takes no more.
    static Outcome spliceInto(int file, int socket, qint64 length, std::chrono::milliseconds idle, const std::atomic<bool>& stopping,
                              const std::function<void(qint64)>& appended);
    // The same through this process: reads into a buffer and hands `sink` pieces of up to
    // `pieceSize` bytes; `sink` returning false ends it (Refused).
    static Outcome receive(int socket, qint64 length, qsizetype pieceSize, std::chrono::milliseconds idle,
                           const std::atomic<bool>& stopping, const std::function<bool(const char*, qint64)>& sink);
};

}  // namespace korvel
