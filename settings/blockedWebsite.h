#pragma once

#include "settings/WebsiteProtocol.h"

#include <QString>
#include <QUrl>
#include <QVariantMap>

#include <optional>

namespace korvel {

// One blocked website; it has no identity of its own but its place in the list.
struct blockedWebsite {
    QString url;  // null: no URL
    WebsiteProtocol protocol = WebsiteProtocol::Http;
    QString title;

    static blockedWebsite initWithParams(const QString& url, WebsiteProtocol protocol, const QString& title);
    static blockedWebsite initWithDictionary(const QVariantMap& dictionary);
    QVariantMap toDictionary() const;

    // The parsed URL; nothing when the stored text is missing or not an absolute URL.
    std::optional<QUrl> parsedURL() const;

    bool operator==(const blockedWebsite&) const = default;
};

}  // namespace korvel

// Texts and numbers only: a list of records grows by moving memory, not by copying each record.
Q_DECLARE_TYPEINFO(korvel::blockedWebsite, Q_RELOCATABLE_TYPE);
