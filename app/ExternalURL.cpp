#include "app/ExternalURL.h"

namespace korvel {

std::optional<QUrl> ExternalURL::target(const QString& openedURL, bool anyAllowedWebsite)
{
    if (!anyAllowedWebsite)
        return std::nullopt;
    const QString prefix = QLatin1String(scheme) + QStringLiteral("://");
    if (QUrl(openedURL).scheme() != QLatin1String(scheme) || !openedURL.startsWith(prefix))
        return std::nullopt;
    const QString rest = openedURL.mid(prefix.size());
    if (rest.isEmpty())
        return std::nullopt;
    const QUrl url(rest);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

}  // namespace korvel
