#pragma once

#include "settings/Frame.h"

#include <QString>
#include <QVariantMap>

namespace korvel {

// A folder of allowed websites on the home screen. Real categories are numbered from 1.
struct allowedWebsiteCategory {
    qint64 categoryId = 0;
    QString categoryTitle;  // null: no title
    QString iconURL;        // null: no icon URL; "" an empty one
    Frame landscapeFrame;
    Frame portraitFrame;

    static allowedWebsiteCategory initWithParams(const QString& categoryTitle, const QString& iconURL,
                                                 qint64 categoryId, const Frame& landscapeFrame,
                                                 const Frame& portraitFrame);
    static allowedWebsiteCategory initWithDictionary(const QVariantMap& dictionary);
    QVariantMap toDictionary() const;

    bool operator==(const allowedWebsiteCategory&) const = default;
};

}  // namespace korvel

// Texts and numbers only: a list of records grows by moving memory, not by copying each record.
Q_DECLARE_TYPEINFO(korvel::allowedWebsiteCategory, Q_RELOCATABLE_TYPE);
