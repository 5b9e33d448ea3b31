#include "browser/LocalPageReader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace korvel {

std::optional<QString> LocalPageReader::read(const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers,
                                             std::chrono::milliseconds timeout)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    for (const auto& [name, value] : headers)
        request.setRawHeader(name, value);
    request.setTransferTimeout(int(timeout.count()));
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A guard against a reply that never finishes; the transfer time-out normally ends it first.
    QTimer::singleShot(timeout + std::chrono::seconds(1), &loop, &QEventLoop::quit);
    loop.exec();
    const bool ok = reply->isFinished() && reply->error() == QNetworkReply::NoError;
    const QByteArray body = ok ? reply->readAll() : QByteArray();
    reply->abort();
    reply->deleteLater();
    if (!ok)
        return std::nullopt;
    return QString::fromUtf8(body);
}

bool LocalPageReader::isLocalServerPage(const QUrl& url, const std::optional<LocalServerAddress>& server)
{
    if (!server || !server->serves(url))
        return false;
    const QString name = url.fileName();
    const QString extension = name.contains(QLatin1Char('.')) ? name.section(QLatin1Char('.'), -1) : QString();
    return extension.contains(QLatin1String("htm"));
}

}  // namespace korvel
