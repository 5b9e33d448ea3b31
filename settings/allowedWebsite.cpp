#include "settings/allowedWebsite.h"

#include "settings/PlistValue.h"
#include "settings/RecordURL.h"

namespace korvel {

namespace {

const QString kURL = QStringLiteral("URL");
const QString kRunAtStartup = QStringLiteral("RunAtStartup");
const QString kAllowSubDomain = QStringLiteral("AllowSubDomain");
const QString kTitle = QStringLiteral("Title");
const QString kHideURL = QStringLiteral("HideURL");
const QString kIconPath = QStringLiteral("IconPath");
const QString kUseFavicon = QStringLiteral("UseFavicon");
const QString kProtocol = QStringLiteral("Protocol");
const QString kAllowOnlyThis = QStringLiteral("AllowOnlyThis");
const QString kErrorPage = QStringLiteral("ErrorPage");
const QString kLandscapeFrame = QStringLiteral("LandscapeFrame");
const QString kPortraitFrame = QStringLiteral("PortraitFrame");
const QString kCategoryId = QStringLiteral("CategoryId");
const QString kAllowedWebsiteId = QStringLiteral("AllowedWebsiteId");
const QString kIsResetForFrame = QStringLiteral("IsResetForFrame");
const QString kAlsoAllowedForLoading = QStringLiteral("AlsoAllowedForLoading");

}  // namespace

allowedWebsite allowedWebsite::initWithParams(const QString& url, bool runAtStartup, bool errorPage,
                                              bool allowSubDomain, const QString& title, bool hideURL,
                                              const QString& iconURL, bool useFavicon, WebsiteProtocol protocol,
                                              bool allowOnlyThis, const Frame& landscapeFrame,
                                              const Frame& portraitFrame, qint64 categoryId,
                                              qint64 allowedWebsiteId, bool isResetForFrame)
{
    allowedWebsite w;
    w.url = url;
    w.runAtStartup = runAtStartup;
    w.errorPage = errorPage;
    w.allowSubDomain = allowSubDomain;
    w.title = title;
    w.hideURL = hideURL;
    w.iconURL = iconURL;
    w.useFavicon = useFavicon;
    w.protocol = protocol;
    w.allowOnlyThis = allowOnlyThis;
    w.landscapeFrame = landscapeFrame;
    w.portraitFrame = portraitFrame;
    w.categoryId = categoryId;
    w.allowedWebsiteId = allowedWebsiteId;
    w.isResetForFrame = isResetForFrame;
    return w;
}

allowedWebsite allowedWebsite::initWithDictionary(const QVariantMap& d)
{
    using namespace PlistValue;
    allowedWebsite w;
    w.url = stringValue(d.value(kURL));
    w.runAtStartup = boolValue(d.value(kRunAtStartup));
    w.allowSubDomain = boolValue(d.value(kAllowSubDomain));
    w.title = stringValue(d.value(kTitle));
    w.hideURL = boolValue(d.value(kHideURL));
    // A missing icon path reads as the empty one.
    w.iconURL = stringValue(d.value(kIconPath, QString(QLatin1String(""))));
    w.useFavicon = boolValue(d.value(kUseFavicon));
    w.protocol = static_cast<WebsiteProtocol>(int32Value(d.value(kProtocol)));
    w.allowOnlyThis = boolValue(d.value(kAllowOnlyThis));
    w.errorPage = boolValue(d.value(kErrorPage));
    w.landscapeFrame = Frame::fromString(stringValue(d.value(kLandscapeFrame)));
    w.portraitFrame = Frame::fromString(stringValue(d.value(kPortraitFrame)));
    w.categoryId = integerValue(d.value(kCategoryId));
    w.allowedWebsiteId = integerValue(d.value(kAllowedWebsiteId));
    w.isResetForFrame = boolValue(d.value(kIsResetForFrame));
    // A list of host texts; anything else in it (a damaged document) is left out.
    for (const QVariant& host : d.value(kAlsoAllowedForLoading).toList()) {
        if (host.typeId() == QMetaType::QString && !host.toString().trimmed().isEmpty())
            w.alsoAllowedForLoading.append(host.toString().trimmed());
    }
    return w;
}

QVariantMap allowedWebsite::toDictionary() const
{
    QVariantMap d;
    if (!url.isNull())
        d.insert(kURL, url);
    d.insert(kRunAtStartup, runAtStartup);
    d.insert(kAllowSubDomain, allowSubDomain);
    if (!title.isNull())
        d.insert(kTitle, title);
    d.insert(kHideURL, hideURL);
    if (!iconURL.isNull())
        d.insert(kIconPath, iconURL);
    d.insert(kUseFavicon, useFavicon);
    d.insert(kProtocol, qint64(static_cast<qint32>(protocol)));
    d.insert(kAllowOnlyThis, allowOnlyThis);
    d.insert(kErrorPage, errorPage);
    d.insert(kLandscapeFrame, landscapeFrame.toString());
    d.insert(kPortraitFrame, portraitFrame.toString());
    d.insert(kCategoryId, categoryId);
    d.insert(kAllowedWebsiteId, allowedWebsiteId);
    d.insert(kIsResetForFrame, isResetForFrame);
    // Only when there is one, so records without a list read and write as they always did.
    if (!alsoAllowedForLoading.isEmpty())
        d.insert(kAlsoAllowedForLoading, QVariant(alsoAllowedForLoading).toList());
    return d;
}

std::optional<QUrl> allowedWebsite::parsedURL() const
{
    return parseRecordURL(url);
}

}  // namespace korvel
