#pragma once

#include "control/ControlCommand.h"
#include "control/HomeLock.h"

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

namespace korvel {

// korvelctl's way to a home: its commands go to the Korvel running there, or, when none runs, are
// performed by korvelctl itself under the home's lock, never both and never neither unnoticed.
class ControlClient {
public:
    enum class Way {
        Korvel,  // a running Korvel answers on the control socket
        Here,    // no Korvel runs: this process holds the lock and writes the files itself
        None,    // neither within the patience given: errorString() says why
    };

    ControlClient(QString socketPath, QString lockPath);
    ~ControlClient();
    ControlClient(const ControlClient&) = delete;
    ControlClient& operator=(const ControlClient&) = delete;

    // Finds the way: the socket first; else the lock; and while a Korvel holds the lock but does
    // not answer yet (it is starting), both again until `patience` has passed.
    Way open(std::chrono::milliseconds patience);
    // Sends `command` to the Korvel found by open() and waits up to `timeout` for its reply.
    std::optional<ControlReply> send(const ControlCommand& command, std::chrono::milliseconds timeout);
    QString errorString() const { return m_error; }

private:
    int connectSocket();

    QString m_socketPath;
    HomeLock m_lock;
    int m_fd = -1;
    QString m_error;
};

}  // namespace korvel
