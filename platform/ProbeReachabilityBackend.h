#pragma once

#include "platform/ReachabilityBackend.h"
#include "platform/Timer.h"

#include <QString>

#include <chrono>

class QTcpSocket;

namespace korvel {

class NetworkChangeWatch;

// Readings from opening a TCP connection to the host, for systems where no network information
// backend loads (no NetworkManager). Reachable when the connection opens within the timeout. The
// host is probed soon after the kernel reports a network change, and every period otherwise for
// what the kernel cannot see (the router losing its uplink); so the period can be long and an idle
// kiosk is rarely woken. Timers run on the Clock, so tests drive them with mock time.
class ProbeReachabilityBackend final : public ReachabilityBackend {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds defaultPeriod{std::chrono::seconds(60)};
    static constexpr std::chrono::milliseconds defaultTimeout{std::chrono::seconds(5)};
    // An address or route usually arrives a moment after its link: one probe after the burst.
    static constexpr std::chrono::milliseconds settleTime{std::chrono::seconds(2)};

    explicit ProbeReachabilityBackend(QString host, quint16 port = 443,
                                      std::chrono::milliseconds period = defaultPeriod,
                                      std::chrono::milliseconds timeout = defaultTimeout,
                                      QObject* parent = nullptr);
    ~ProbeReachabilityBackend() override;

    // Nothing is known before the first probe has ended.
    std::optional<NetworkStatus> status() const override { return m_status; }
    // Probes at once, then every period.
    void start() override;
    void stop() override;
    // The network configuration changed: probe afresh once the change has settled.
    void networkChanged();

private:
    void probe();
    void finish(NetworkStatus result);
    void dropSocket();

    const QString m_host;
    const quint16 m_port;
    const std::chrono::milliseconds m_period;
    const std::chrono::milliseconds m_timeout;
    Timer m_periodTimer;
    Timer m_timeoutTimer;
    Timer m_settleTimer;
    QTcpSocket* m_socket = nullptr;  // the probe under way
    NetworkChangeWatch* m_changes = nullptr;
    std::optional<NetworkStatus> m_status;
};

}  // namespace korvel
