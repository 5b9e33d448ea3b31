#include "browser/ui/UserAgentInterceptor.h"

namespace korvel {

void UserAgentInterceptor::setUserAgent(const QByteArray& userAgent)
{
    QMutexLocker lock(&m_mutex);
    m_userAgent = userAgent;
}

void UserAgentInterceptor::setLocalServer(const std::optional<LocalServerAddress>& server, const QByteArray& header, const QByteArray& key)
{
    QMutexLocker lock(&m_mutex);
    m_localServer = server;
    m_keyHeader = header;
    m_key = key;
}

bool UserAgentInterceptor::isKioskRequest(const QUrl& url, const QUrl& initiator, const LocalServerAddress& server)
{
    if (!server.serves(url))
        return false;
    // A page of another site that sends a request to the device gets no more than any device on
    // the network would.
    if (initiator.isEmpty())
        return true;
    QUrl origin = initiator;
    origin.setPath(QStringLiteral("/"));
    return server.serves(origin);
}

void UserAgentInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    QMutexLocker lock(&m_mutex);
    if (!m_userAgent.isEmpty())
        info.setHttpHeader(QByteArrayLiteral("User-Agent"), m_userAgent);
    if (m_localServer && isKioskRequest(info.requestUrl(), info.initiator(), *m_localServer))
        info.setHttpHeader(m_keyHeader, m_key);
}

}  // namespace korvel
