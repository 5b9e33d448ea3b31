#include "settings/allowedWebsiteCategory.h"

#include "settings/PlistValue.h"

namespace korvel {

namespace {

const QString kCategoryId = QStringLiteral("CategoryId");
const QString kCategoryTitle = QStringLiteral("CategoryTitle");
const QString kIconPath = QStringLiteral("IconPath");
const QString kLandscapeFrame = QStringLiteral("LandscapeFrame");
const QString kPortraitFrame = QStringLiteral("PortraitFrame");

}  // namespace

allowedWebsiteCategory allowedWebsiteCategory::initWithParams(const QString& categoryTitle, const QString& iconURL,
                                                              qint64 categoryId, const Frame& landscapeFrame,
                                                              const Frame& portraitFrame)
{
    return allowedWebsiteCategory{categoryId, categoryTitle, iconURL, landscapeFrame, portraitFrame};
}

allowedWebsiteCategory allowedWebsiteCategory::initWithDictionary(const QVariantMap& d)
{
    using namespace PlistValue;
    allowedWebsiteCategory c;
    c.categoryId = integerValue(d.value(kCategoryId));
    c.categoryTitle = stringValue(d.value(kCategoryTitle));
    c.iconURL = stringValue(d.value(kIconPath, QString(QLatin1String(""))));
    c.landscapeFrame = Frame::fromString(stringValue(d.value(kLandscapeFrame)));
    c.portraitFrame = Frame::fromString(stringValue(d.value(kPortraitFrame)));
    return c;
}

QVariantMap allowedWebsiteCategory::toDictionary() const
{
    QVariantMap d;
    d.insert(kCategoryId, categoryId);
    if (!categoryTitle.isNull())
        d.insert(kCategoryTitle, categoryTitle);
    if (!iconURL.isNull())
        d.insert(kIconPath, iconURL);
    d.insert(kLandscapeFrame, landscapeFrame.toString());
    d.insert(kPortraitFrame, portraitFrame.toString());
    return d;
}

}  // namespace korvel
