#include "transfer/AutoImportFetch.h"

#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "transfer/ImportExport.h"
#include "transfer/ReplyBody.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace korvel {

namespace {

const QString category = QStringLiteral("AutoImport");

}  // namespace

AutoImportFetch AutoImportFetch::importFile(const QString& documentsDirectory, const QString& relativeName)
{
    AutoImportFetch fetch;
    // Only a file inside Documents: the name is stored text and may hold "..".
    const std::optional<QString> path =
        relativeName.isEmpty() ? std::nullopt : Paths::resolvedInside(documentsDirectory, documentsDirectory + QLatin1Char('/') + relativeName);
    if (!path || !QFileInfo(*path).isFile()) {
        fetch.log(category, QStringLiteral("Error: Settings file not found in device"));
        return fetch;
    }
    // Only what the administrator placed or uploaded with the access code: a file that a page or a
    // device on the network put here is never applied.
    const DocumentOrigins origins(documentsDirectory, DocumentOrigins::homeStoreFile());
    QString version;
    const DocumentOrigin origin = origins.originOf(*path, &version);
    if (!DocumentOrigins::trustedForImport(origin)) {
        fetch.log(category, QStringLiteral("Error: AutoImport refused, ") + ImportExport::untrustedText(relativeName, origin));
        return fetch;
    }
    const PropertyListParse parsed = PropertyList::readFile(*path);
    if (!origins.unchanged(*path, version)) {
        fetch.log(category, QStringLiteral("Error: AutoImport refused, ") + ImportExport::untrustedText(relativeName, DocumentOrigin::Unknown));
        return fetch;
    }
    if (!parsed.ok() || parsed.value.metaType().id() != QMetaType::QVariantMap) {
        fetch.log(category, QStringLiteral("Error: Settings file not found in device"));
        return fetch;
    }
    fetch.log(category, QStringLiteral("File Found, loading settings"));
    fetch.text = QString::fromUtf8(PropertyList::toXml(parsed.value));
    return fetch;
}

AutoImportFetch AutoImportFetch::importURL(const QString& text)
{
    AutoImportFetch fetch;
    if (text.isEmpty()) {
        fetch.log(category, QStringLiteral("Error: Empty url string"));
        return fetch;
    }
    const QUrl url(text);
    if (url.scheme().isEmpty()) {
        fetch.log(category, QStringLiteral("Error: Not valid URL. No URL Scheme found."));
        return fetch;
    }
    // This thread's own manager and loop: the fetch blocks a worker, never the screen.
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setTransferTimeout(300 * 1000);
    QNetworkReply* reply = network.get(request);
    QEventLoop loop;
    QByteArray body;
    bool tooLarge = false;
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] { tooLarge = tooLarge || !appendWithin(body, reply, bodyLimit); });
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    if (!reply->isFinished())
        loop.exec();
    if (!tooLarge)
        tooLarge = !appendWithin(body, reply, bodyLimit);
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QNetworkReply::NetworkError error = reply->error();
    reply->deleteLater();
    if (tooLarge) {
        fetch.log(category, QStringLiteral("Error: AutoImport unsuccessful as settings file not found."));
        return fetch;
    }
    if (!status.isValid()) {
        // No answer at all: the host itself could not be reached, or it did not answer.
        const bool noHost = error == QNetworkReply::HostNotFoundError || error == QNetworkReply::ConnectionRefusedError
                            || error == QNetworkReply::TimeoutError;
        if (noHost)
            fetch.log(QStringLiteral("Import"), QStringLiteral("Error: URL Not Reachable!! Either the Host does not exsist or server is not responding."));
        else
            fetch.log(category, QStringLiteral("Error: URL Not Reachable!! Either the file does not exsist or server is not responding."));
        return fetch;
    }
    if (status.toInt() == 404) {
        fetch.log(category, QStringLiteral("Error: URL Not Reachable!! Either the file does not exsist or server is not responding."));
        return fetch;
    }
    fetch.text = QString::fromUtf8(body);
    return fetch;
}

}  // namespace korvel
