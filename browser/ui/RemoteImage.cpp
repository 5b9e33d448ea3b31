#include "browser/ui/RemoteImage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace korvel {

namespace {

QNetworkAccessManager& network()
{
    static QNetworkAccessManager* manager = new QNetworkAccessManager(qApp);
    return *manager;
}

}  // namespace

RemoteImage::RemoteImage(QObject* context, std::function<void(const QImage&)> done)
    : QObject(context)
    , m_done(std::move(done))
{
}

RemoteImage* RemoteImage::load(const QUrl& url, QObject* context, std::function<void(const QImage&)> done)
{
    auto* loader = new RemoteImage(context, std::move(done));
    if (!url.isValid() || (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https"))) {
        // Still asynchronous, so callers see one behaviour.
        QTimer::singleShot(0, loader, [loader] { loader->finish({}); });
        return loader;
    }
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(30000);
    QNetworkReply* reply = network().get(request);
    // Owned by the loader: abandoning the loader aborts the transfer.
    reply->setParent(loader);
    loader->m_reply = reply;
    connect(reply, &QNetworkReply::downloadProgress, loader, [loader](qint64 received, qint64 total) {
        if (received > maximumBytes || total > maximumBytes)
            loader->m_reply->abort();
    });
    connect(reply, &QNetworkReply::finished, loader, [loader, reply] {
        QImage image;
        if (reply->error() == QNetworkReply::NoError)
            image.loadFromData(reply->readAll());
        loader->finish(image);
    });
    return loader;
}

void RemoteImage::cancel()
{
    m_done = nullptr;
    if (m_reply) {
        m_reply->disconnect(this);
        m_reply->abort();
    }
    deleteLater();
}

void RemoteImage::finish(const QImage& image)
{
    auto done = std::move(m_done);
    m_done = nullptr;
    deleteLater();
    if (done)
        done(image);
}

}  // namespace korvel
