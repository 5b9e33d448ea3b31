#pragma once

#include "policy/LoadGuard.h"
#include "policy/LocalServerAddress.h"

#include <QByteArray>
#include <QWebEngineUrlRequestInterceptor>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace korvel {

// Refuses what a page may not load (LoadGuard, decided without a lock), then stamps the administrator's user agent on every request of the profile, and the kiosk's key on
// the requests its local pages make to the device's own upload server (the server wants its access
// code from everyone else). The engine calls it on its own threads, so values are handed over as
// snapshots.
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
    // What pages may load; its policy is swapped whole when the settings change.
    LoadGuard& loadGuard() { return m_guard; }
    // The kind of load an engine request is, for the rules and learn mode.
    static LoadType loadTypeOf(int engineResourceType);

private:
    // What is stamped on requests, replaced whole by the setters (main thread) and read without a
    // lock by the engine's threads.
    struct Stamp {
        QByteArray userAgent;
        std::optional<LocalServerAddress> localServer;
        QByteArray keyHeader;
        QByteArray key;
    };
    void change(const std::function<void(Stamp&)>& edit);

    LoadGuard m_guard;
    std::atomic<std::shared_ptr<const Stamp>> m_stamp{std::make_shared<const Stamp>()};
};

}  // namespace korvel
