#include "browser/FaviconService.h"

#include "policy/WebsiteAddress.h"

namespace korvel {

QUrl FaviconService::base()
{
    const QString configured = qEnvironmentVariable("KORVEL_FAVICON_SERVICE");
    const QUrl url(configured, QUrl::StrictMode);
    if (!configured.isEmpty() && url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"))
        && !url.host().isEmpty())
        return url;
    return QUrl(QStringLiteral("https://www.google.com"));
}

QUrl FaviconService::address(const QString& websiteURL, const QUrl& service)
{
    const QString domain = WebsiteAddress::getURLString(QUrl(websiteURL));
    if (domain.isEmpty())
        return {};
    QUrl url = service;
    url.setPath(QStringLiteral("/s2/favicons"));
    // Encoded in full: the address text may hold "&", "=" or "#" of its own.
    url.setQuery(QStringLiteral("domain=") + QString::fromLatin1(QUrl::toPercentEncoding(domain)));
    return url;
}

}  // namespace korvel
