#pragma once

#include "platform/ReachabilityBackend.h"

#include <QList>
#include <QNetworkInformation>
#include <QPointer>

#include <memory>

namespace korvel {

// Readings from the system's network information (NetworkManager on Linux), which tells when the
// machine as a whole is online, whatever the host.
class NetworkInformationReachabilityBackend final : public ReachabilityBackend {
    Q_OBJECT
public:
    // Null when no backend of QNetworkInformation loads here, e.g. without NetworkManager.
    static std::unique_ptr<NetworkInformationReachabilityBackend> create();
    ~NetworkInformationReachabilityBackend() override;

    std::optional<NetworkStatus> status() const override;
    void start() override;
    void stop() override;

    // What a system reading means for a public host: only Online reaches it (a local or site
    // network does not), Unknown is no reading, and only a cellular medium is WWAN.
    static std::optional<NetworkStatus> statusFor(QNetworkInformation::Reachability reachability,
                                                  QNetworkInformation::TransportMedium medium);

private:
    explicit NetworkInformationReachabilityBackend(QNetworkInformation* information);

    // Owned by Qt, and gone with the application object.
    QPointer<QNetworkInformation> m_information;
    QList<QMetaObject::Connection> m_connections;
};

}  // namespace korvel
