#pragma once

#include "settings/Frame.h"
#include "settings/WebsiteProtocol.h"

#include <QString>
#include <QStringList>
#include <QUrl>
#include <QVariantMap>

#include <optional>

namespace korvel {

// One allowed website. URLs are kept as the exact text they were created or imported with.
struct allowedWebsite {
    bool runAtStartup = false;
    bool errorPage = false;
    bool allowSubDomain = false;
    bool allowOnlyThis = false;
    bool hideURL = false;
    bool useFavicon = false;
    bool isResetForFrame = false;
    WebsiteProtocol protocol = WebsiteProtocol::Http;
    QString url;      // null: no URL
    QString title;    // null: no title
    QString iconURL;  // null: no icon URL; "" an empty one
    qint64 allowedWebsiteId = 0;
    qint64 categoryId = 0;  // 0: no category
    Frame landscapeFrame;
    Frame portraitFrame;
    // Hosts this website's pages may also load from in strict mode (each with its sub-domains).
    QStringList alsoAllowedForLoading;

    static allowedWebsite initWithParams(const QString& url, bool runAtStartup, bool errorPage, bool allowSubDomain,
                                         const QString& title, bool hideURL, const QString& iconURL, bool useFavicon,
                                         WebsiteProtocol protocol, bool allowOnlyThis, const Frame& landscapeFrame,
                                         const Frame& portraitFrame, qint64 categoryId, qint64 allowedWebsiteId,
                                         bool isResetForFrame);
    static allowedWebsite initWithDictionary(const QVariantMap& dictionary);
    QVariantMap toDictionary() const;

    // The parsed URL; nothing when the stored text is missing or not an absolute URL.
    std::optional<QUrl> parsedURL() const;

    bool operator==(const allowedWebsite&) const = default;
};

}  // namespace korvel

// Texts and numbers only: a list of records grows by moving memory, not by copying each record.
Q_DECLARE_TYPEINFO(korvel::allowedWebsite, Q_RELOCATABLE_TYPE);
