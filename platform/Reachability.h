#pragma once

#include "platform/ReachabilityBackend.h"

#include <QLatin1String>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace korvel {

// Posted with the monitor as object whenever its status changes while its notifier runs.
inline constexpr QLatin1String kReachabilityChangedNotification("kReachabilityChangedNotification");

// Watches whether the network reaches a host. Readings come from a backend; the monitor reports
// a change of NetworkStatus (not reachable, via Wi-Fi/Ethernet, via cellular) once, both as
// kReachabilityChangedNotification on the default centre and as changed(). A backend's unknown
// reading changes nothing, and the first known reading after startNotifier() is the baseline,
// so a kiosk does not react to the network "appearing" at launch.
class Reachability final : public QObject {
    Q_OBJECT
public:
    using BackendFactory = std::function<std::unique_ptr<ReachabilityBackend>(const QString& host)>;

    // A monitor for `host`, not yet notifying; the caller owns it. Its backend comes from the
    // installed factory, else the system's network information (NetworkManager), else a periodic
    // TCP probe of the host's port 443. Never null.
    static Reachability* reachabilityWithHostName(const QString& host);
    // For tests: reachabilityWithHostName() builds backends with `factory` until an empty one
    // restores the default.
    static void setBackendFactory(BackendFactory factory);

    explicit Reachability(std::unique_ptr<ReachabilityBackend> backend, QObject* parent = nullptr);
    ~Reachability() override;

    void startNotifier();
    void stopNotifier();
    bool isNotifying() const { return m_notifying; }

    // The backend's reading, else the last known one; NotReachable when none was ever known.
    NetworkStatus currentReachabilityStatus() const;
    bool isReachable() const { return currentReachabilityStatus() != NetworkStatus::NotReachable; }

Q_SIGNALS:
    void changed();

private:
    void takeReading();

    std::unique_ptr<ReachabilityBackend> m_backend;
    std::optional<NetworkStatus> m_known;  // what was last reported, or the baseline
    bool m_notifying = false;
};

}  // namespace korvel
