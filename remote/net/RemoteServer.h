#pragma once

#include "control/ControlCommand.h"
#include "files/ConnectionLimits.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

namespace korvel {

// The remote control and status API on a real socket: HTTPS only, with the device's own
// certificate; every call needs the bearer token (RemoteToken), passes the gate (RemoteGate) and
// becomes a command of the command set, performed on the thread of `receiver` by `performer`.
// Every call is logged under "Remote Control", with its client and its answer.
class RemoteServer final {
public:
    using Done = std::function<void(const ControlReply&)>;
    using Performer = std::function<void(const ControlCommand&, const QString& client, Done)>;

    static const QString logCategory;
    // A settings document is the largest body a call takes.
    static constexpr qint64 bodyLimit = 4 * 1024 * 1024;

    RemoteServer(QObject* receiver, Performer performer, const ConnectionLimits& limits = {});
    ~RemoteServer();
    RemoteServer(const RemoteServer&) = delete;
    RemoteServer& operator=(const RemoteServer&) = delete;

    // Listens on `address` (an IP address; "0.0.0.0" or "::" for every one) and `port` (0: any
    // free port). False, with the reason in `error`, when it cannot (no certificate, a port in use).
    bool start(const QString& address, int port, QString* error);
    void stop();
    bool isRunning() const;
    int port() const;

private:
    struct Running;
    QPointer<QObject> m_receiver;
    Performer m_performer;
    ConnectionLimits m_limits;
    std::unique_ptr<Running> m_running;
};

}  // namespace korvel
