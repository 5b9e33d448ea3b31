#pragma once

#include <QtGlobal>

#include <chrono>

namespace korvel {

// What the upload server grants one connection and its client.
struct ConnectionLimits {
    int connectionsPerClient = 8;  // browsers open up to six per host
    int connections = 128;         // all clients together
    std::chrono::milliseconds head{std::chrono::seconds(10)};  // the request line and headers, whole
    qint64 headBytes = 64 * 1024;
    std::chrono::milliseconds idle{std::chrono::seconds(30)};  // a body or a reply that stalls
    std::chrono::milliseconds keepAlive{std::chrono::seconds(5)};
    int requestsPerConnection = 100;
};

}  // namespace korvel
