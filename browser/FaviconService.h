#pragma once

#include <QString>
#include <QUrl>

namespace korvel {

// Where a website's icon comes from when the administrator chose the site's own favicon: a web
// service answering "/s2/favicons?domain=<address>" with an image.
struct FaviconService {
    // The service's base address: $KORVEL_FAVICON_SERVICE (scheme, host and optional port), else
    // Google's public service.
    static QUrl base();
    // The icon address for a website's stored URL; empty when the URL names no website.
    static QUrl address(const QString& websiteURL, const QUrl& service = base());
};

}  // namespace korvel
