#include "browser/ui/UserAgentInterceptor.h"

namespace korvel {

void UserAgentInterceptor::change(const std::function<void(Stamp&)>& edit)
{
    auto next = std::make_shared<Stamp>(*m_stamp.load());
    edit(*next);
    m_stamp.store(std::move(next));
}

void UserAgentInterceptor::setUserAgent(const QByteArray& userAgent)
{
    change([&](Stamp& s) { s.userAgent = userAgent; });
}

void UserAgentInterceptor::setLocalServer(const std::optional<LocalServerAddress>& server, const QByteArray& header, const QByteArray& key)
{
    change([&](Stamp& s) {
        s.localServer = server;
        s.keyHeader = header;
        s.key = key;
    });
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

LoadType UserAgentInterceptor::loadTypeOf(int engineResourceType)
{
    using I = QWebEngineUrlRequestInfo;
    switch (engineResourceType) {
    case I::ResourceTypeSubFrame: return LoadType::Frame;
    case I::ResourceTypeStylesheet: return LoadType::Stylesheet;
    case I::ResourceTypeScript: return LoadType::Script;
    case I::ResourceTypeImage:
    case I::ResourceTypeFavicon: return LoadType::Image;
    case I::ResourceTypeFontResource: return LoadType::Font;
    case I::ResourceTypeMedia: return LoadType::Media;
    case I::ResourceTypeXhr: return LoadType::Fetch;  // fetch() and XMLHttpRequest alike
    case I::ResourceTypeWebSocket: return LoadType::WebSocket;
    case I::ResourceTypePing:
    case I::ResourceTypeCspReport: return LoadType::Beacon;
    case I::ResourceTypeWorker:
    case I::ResourceTypeSharedWorker:
    case I::ResourceTypeServiceWorker: return LoadType::Worker;
    case I::ResourceTypePrefetch: return LoadType::Prefetch;
    default: return LoadType::Other;
    }
}

void UserAgentInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    const std::shared_ptr<const Stamp> stamp = m_stamp.load();
    const bool kioskOwn = stamp->localServer && isKioskRequest(info.requestUrl(), info.initiator(), *stamp->localServer);
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    if (type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame
        || type == QWebEngineUrlRequestInfo::ResourceTypeNavigationPreloadMainFrame) {
        // The navigation rules decided this one; a new visit of the page starts.
        m_guard.startVisit(info.requestUrl());
    } else if (!kioskOwn && !m_guard.check(info.requestUrl(), info.firstPartyUrl(), loadTypeOf(type)).allowed()) {
        info.block(true);
        return;
    }
    if (!stamp->userAgent.isEmpty())
        info.setHttpHeader(QByteArrayLiteral("User-Agent"), stamp->userAgent);
    if (kioskOwn)
        info.setHttpHeader(stamp->keyHeader, stamp->key);
}

}  // namespace korvel
