#pragma once

#include <QByteArray>
#include <QMutex>
#include <QWebEngineUrlRequestInterceptor>

namespace korvel {

// Stamps the administrator's user agent on every request of the profile. The engine calls it on its
// own threads, so the value is handed over under a lock.
class UserAgentInterceptor final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // An empty value leaves requests with the engine's own user agent.
    void setUserAgent(const QByteArray& userAgent);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QMutex m_mutex;
    QByteArray m_userAgent;
};

}  // namespace korvel
