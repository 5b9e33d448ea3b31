#include "platform/NetworkInformationReachabilityBackend.h"

namespace korvel {

std::unique_ptr<NetworkInformationReachabilityBackend> NetworkInformationReachabilityBackend::create()
{
    // Loading is process-wide and idempotent; a backend that cannot tell reachability is no use.
    if (!QNetworkInformation::loadDefaultBackend())
        return nullptr;
    QNetworkInformation* information = QNetworkInformation::instance();
    if (!information || !information->supports(QNetworkInformation::Feature::Reachability))
        return nullptr;
    return std::unique_ptr<NetworkInformationReachabilityBackend>(new NetworkInformationReachabilityBackend(information));
}

NetworkInformationReachabilityBackend::NetworkInformationReachabilityBackend(QNetworkInformation* information)
    : m_information(information)
{
}

NetworkInformationReachabilityBackend::~NetworkInformationReachabilityBackend()
{
    stop();
}

std::optional<NetworkStatus> NetworkInformationReachabilityBackend::status() const
{
    if (!m_information)
        return std::nullopt;
    return statusFor(m_information->reachability(), m_information->transportMedium());
}

void NetworkInformationReachabilityBackend::start()
{
    if (!m_connections.isEmpty() || !m_information)
        return;
    m_connections << connect(m_information, &QNetworkInformation::reachabilityChanged, this,
                             &ReachabilityBackend::statusReported)
                  << connect(m_information, &QNetworkInformation::transportMediumChanged, this,
                             &ReachabilityBackend::statusReported);
}

void NetworkInformationReachabilityBackend::stop()
{
    for (const QMetaObject::Connection& connection : std::as_const(m_connections))
        disconnect(connection);
    m_connections.clear();
}

std::optional<NetworkStatus> NetworkInformationReachabilityBackend::statusFor(QNetworkInformation::Reachability reachability,
                                                                             QNetworkInformation::TransportMedium medium)
{
    switch (reachability) {
    case QNetworkInformation::Reachability::Unknown:
        return std::nullopt;
    case QNetworkInformation::Reachability::Disconnected:
    case QNetworkInformation::Reachability::Local:
    case QNetworkInformation::Reachability::Site:
        return NetworkStatus::NotReachable;
    case QNetworkInformation::Reachability::Online:
        // Wired links count as Wi-Fi: what matters to the kiosk is "not cellular".
        return medium == QNetworkInformation::TransportMedium::Cellular ? NetworkStatus::ReachableViaWWAN
                                                                        : NetworkStatus::ReachableViaWiFi;
    }
    // A kind of reading this Qt did not have yet.
    return std::nullopt;
}

}  // namespace korvel
