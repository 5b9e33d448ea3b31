#pragma once

#include "platform/ReachabilityBackend.h"

#include <QString>

namespace korvel {

// A backend whose readings tests set. Every setStatus() is reported, repeated or not and even
// while stopped, as a careless system service might: the monitor's own rules are what tests see.
class FakeReachabilityBackend final : public ReachabilityBackend {
    Q_OBJECT
public:
    explicit FakeReachabilityBackend(std::optional<NetworkStatus> initial = NetworkStatus::ReachableViaWiFi,
                                     QString host = QString(), QObject* parent = nullptr);

    std::optional<NetworkStatus> status() const override { return m_status; }
    void start() override { m_started = true; }
    void stop() override { m_started = false; }

    void setStatus(std::optional<NetworkStatus> status);
    bool isStarted() const { return m_started; }
    // The host the monitor was made for, when reachabilityWithHostName() made it.
    QString host() const { return m_host; }

    // Makes Reachability::reachabilityWithHostName() build fakes that start at `initial`, until
    // Reachability::setBackendFactory({}) restores the default.
    static void install(std::optional<NetworkStatus> initial = NetworkStatus::ReachableViaWiFi);
    // The fake built last by an installed factory, while it lives; else null.
    static FakeReachabilityBackend* latest();

private:
    std::optional<NetworkStatus> m_status;
    QString m_host;
    bool m_started = false;
};

}  // namespace korvel
