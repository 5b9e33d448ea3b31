#include "app/StarterServerControl.h"

#include "files/KVServerStarter.h"

#include <QHostAddress>
#include <QNetworkInterface>

namespace korvel {

StarterServerControl::StarterServerControl(KVServerStarter& starter)
    : m_starter(starter)
{
}

bool StarterServerControl::isServerRunning() const
{
    return m_starter.isServerRunning();
}

void StarterServerControl::stopServerConnection()
{
    m_starter.stopServerConnection();
}

bool StarterServerControl::startServerConnectionWith(int port)
{
    return m_starter.startServerConnectionWith(port);
}

std::optional<QUrl> StarterServerControl::documentAddress(const QString& fileName) const
{
    if (!m_starter.isServerRunning())
        return std::nullopt;
    // The first address of the local network, where another computer reaches the device.
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback() && !address.isLinkLocal()) {
            QUrl url;
            url.setScheme(m_starter.isServingTls() ? QStringLiteral("https") : QStringLiteral("http"));
            url.setHost(address.toString());
            url.setPort(m_starter.getPortNumber());
            url.setPath(QStringLiteral("/Documents/") + fileName);
            return url;
        }
    }
    return std::nullopt;
}

}  // namespace korvel
