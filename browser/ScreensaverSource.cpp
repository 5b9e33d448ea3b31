#include "browser/ScreensaverSource.h"

#include "policy/WebsiteAddress.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace korvel {

ScreensaverKind ScreensaverSource::kind(const QString& setting)
{
    if (setting.isEmpty())
        return ScreensaverKind::None;
    const auto endsWithAny = [&](std::initializer_list<const char*> suffixes) {
        for (const char* suffix : suffixes) {
            if (setting.endsWith(QLatin1String(suffix), Qt::CaseSensitive))
                return true;
        }
        return false;
    };
    if (endsWithAny({".mp4", ".mov", ".mpv", ".3gp"}))
        return ScreensaverKind::Video;
    if (endsWithAny({".jpg", ".png", ".tif"}))
        return ScreensaverKind::Image;
    return ScreensaverKind::WebPage;
}

std::optional<QUrl> ScreensaverSource::url(const QString& setting)
{
    return WebsiteAddress::getURLFromString(setting);
}

bool ScreensaverSource::checkServerUrlIsReachable(const QUrl& url)
{
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(10000);
    QNetworkReply* reply = manager.head(request);
    QEventLoop wait;
    QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
    // Nothing else of the kiosk runs meanwhile: no touch can act on a half-shown screensaver.
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    reply->deleteLater();
    return reply->error() == QNetworkReply::NoError && status == 200;
}

}  // namespace korvel
