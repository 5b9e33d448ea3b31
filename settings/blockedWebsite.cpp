#include "settings/blockedWebsite.h"

#include "settings/PlistValue.h"
#include "settings/RecordURL.h"

namespace korvel {

namespace {

const QString kURL = QStringLiteral("URL");
const QString kProtocol = QStringLiteral("Protocol");
const QString kTitle = QStringLiteral("Title");

}  // namespace

blockedWebsite blockedWebsite::initWithParams(const QString& url, WebsiteProtocol protocol, const QString& title)
{
    return blockedWebsite{url, protocol, title};
}

blockedWebsite blockedWebsite::initWithDictionary(const QVariantMap& d)
{
    using namespace PlistValue;
    return blockedWebsite{stringValue(d.value(kURL)), static_cast<WebsiteProtocol>(int32Value(d.value(kProtocol))),
                          stringValue(d.value(kTitle))};
}

QVariantMap blockedWebsite::toDictionary() const
{
    QVariantMap d;
    if (!url.isNull())
        d.insert(kURL, url);
    d.insert(kProtocol, qint64(static_cast<qint32>(protocol)));
    if (!title.isNull())
        d.insert(kTitle, title);
    return d;
}

std::optional<QUrl> blockedWebsite::parsedURL() const
{
    return parseRecordURL(url);
}

}  // namespace korvel
