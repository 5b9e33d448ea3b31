#pragma once

#include <QObject>

#include <optional>

namespace korvel {

// How a host can be reached. The numbers are what the import logs ("0 = not reachable").
enum class NetworkStatus { NotReachable = 0, ReachableViaWiFi = 1, ReachableViaWWAN = 2 };

// Where a Reachability gets its readings. A backend emits statusReported() after every reading,
// repeated or not; the monitor alone decides what counts as a change.
class ReachabilityBackend : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ReachabilityBackend() override;

    // The latest reading; nullopt while the backend does not know (yet).
    virtual std::optional<NetworkStatus> status() const = 0;
    // Begin and end taking readings; calling either twice does nothing more.
    virtual void start() = 0;
    virtual void stop() = 0;

Q_SIGNALS:
    void statusReported();
};

}  // namespace korvel
