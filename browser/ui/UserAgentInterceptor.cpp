#include "browser/ui/UserAgentInterceptor.h"

namespace korvel {

void UserAgentInterceptor::setUserAgent(const QByteArray& userAgent)
{
    QMutexLocker lock(&m_mutex);
    m_userAgent = userAgent;
}

void UserAgentInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    QMutexLocker lock(&m_mutex);
    if (!m_userAgent.isEmpty())
        info.setHttpHeader(QByteArrayLiteral("User-Agent"), m_userAgent);
}

}  // namespace korvel
