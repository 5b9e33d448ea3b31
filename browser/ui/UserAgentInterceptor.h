#pragma once

#include "policy/LocalServerAddress.h"

#include <QByteArray>
#include <QMutex>
#include <QWebEngineUrlRequestInterceptor>

#include <optional>

namespace korvel {

// Stamps the administrator's user agent on every request of the profile, and the kiosk's key on
// the requests its local pages make to the device's own upload server (the server wants its access
// code from everyone else). The engine calls it on its own threads, so values are handed over under
// a lock.
class UserAgentInterceptor final : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    // An empty value leaves requests with the engine's own user agent.
    void setUserAgent(const QByteArray& userAgent);
    // The upload server while its switch is on (none: off), and the header and key it takes from
    // the kiosk's own window.
    void setLocalServer(const std::optional<LocalServerAddress>& server, const QByteArray& header, const QByteArray& key);
    // Whether a request for `url` that `initiator` made (empty: the kiosk itself, not a page) is
    // one of the kiosk's own: for the local server, from the kiosk or from a page of that server.
    static bool isKioskRequest(const QUrl& url, const QUrl& initiator, const LocalServerAddress& server);
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;

private:
    QMutex m_mutex;
    QByteArray m_userAgent;
    std::optional<LocalServerAddress> m_localServer;
    QByteArray m_keyHeader;
    QByteArray m_key;
};

}  // namespace korvel
