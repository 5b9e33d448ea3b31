#include "files/ui/EngineFetch.h"

#include "files/DownloadFiles.h"
#include "files/ui/KVFileDownloader.h"
#include "log/KVLog.h"
#include "platform/Timer.h"

#include <QDir>
#include <QUuid>
#include <QWebEngineDownloadRequest>
#include <QWebEnginePage>
#include <QWidget>

namespace korvel {

namespace {

EngineFetch::PageMaker& pageMaker()
{
    static EngineFetch::PageMaker maker;
    return maker;
}

QList<EngineFetch*>& pending()
{
    static QList<EngineFetch*> list;
    return list;
}

}  // namespace

void EngineFetch::setPageMaker(PageMaker maker)
{
    pageMaker() = std::move(maker);
}

EngineFetch* EngineFetch::start(const QUrl& url, Purpose purpose, QWidget* requester)
{
    if (!pageMaker())
        return nullptr;
    auto* fetch = new EngineFetch(url, purpose, requester);
    fetch->m_page = pageMaker()(fetch);
    if (!fetch->m_page) {
        delete fetch;
        return nullptr;
    }
    pending().append(fetch);
    fetch->m_page->download(url);
    return fetch;
}

EngineFetch::EngineFetch(const QUrl& url, Purpose purpose, QWidget* requester)
    : QObject(purpose == Purpose::Read ? requester : nullptr)
    , m_url(url)
    , m_purpose(purpose)
    , m_requester(requester)
{
}

EngineFetch::~EngineFetch()
{
    pending().removeOne(this);
    if (m_purpose == Purpose::Read && m_download) {
        m_download->disconnect(this);
        if (!m_download->isFinished())
            m_download->cancel();
    }
}

bool EngineFetch::takeOver(QWebEngineDownloadRequest* download)
{
    for (EngineFetch* fetch : pending()) {
        if (download->page() != fetch->m_page)
            continue;
        pending().removeOne(fetch);
        if (fetch->m_purpose == Purpose::Read)
            fetch->read(download);
        else
            fetch->keep(download);
        return true;
    }
    return false;
}

void EngineFetch::read(QWebEngineDownloadRequest* download)
{
    if (!QDir().mkpath(DownloadFiles::downloadStagingDirectory())) {
        download->cancel();
        fail();
        return;
    }
    m_download = download;
    download->setDownloadDirectory(DownloadFiles::downloadStagingDirectory());
    download->setDownloadFileName(QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".pdf"));
    m_idle = new Timer(this);
    connect(m_idle, &Timer::timeout, this, [this] {
        KVLog(QStringLiteral("Webview"), QStringLiteral("Document %@ sent nothing for %@ seconds"), m_url.toString(QUrl::FullyEncoded),
              QString::number(idleTimeoutSeconds));
        if (m_download)
            m_download->cancel();
        fail();
    });
    m_idle->start(std::chrono::seconds(idleTimeoutSeconds), TimerMode::SingleShot);
    connect(download, &QWebEngineDownloadRequest::receivedBytesChanged, this,
            [this] { m_idle->start(std::chrono::seconds(idleTimeoutSeconds), TimerMode::SingleShot); });
    connect(download, &QWebEngineDownloadRequest::stateChanged, this, &EngineFetch::onStateChanged);
    connect(download, &QWebEngineDownloadRequest::isFinishedChanged, this, &EngineFetch::onStateChanged);
    download->accept();
}

void EngineFetch::keep(QWebEngineDownloadRequest* download)
{
    KVFileDownloader* downloader = KVFileDownloader::initWithDownload(download, m_page->profile(), DownloadRequester::Reader, m_requester);
    // The page, and with it the visit's profile, stays until the download is done.
    connect(downloader, &QObject::destroyed, this, &QObject::deleteLater);
    downloader->downloadFile();
    m_done = true;
    Q_EMIT finished(true, QString());
}

void EngineFetch::onStateChanged()
{
    if (!m_download || m_done)
        return;
    switch (m_download->state()) {
    case QWebEngineDownloadRequest::DownloadRequested:
    case QWebEngineDownloadRequest::DownloadInProgress:
        return;
    case QWebEngineDownloadRequest::DownloadCompleted:
        m_done = true;
        m_idle->stop();
        Q_EMIT finished(true, QDir(m_download->downloadDirectory()).filePath(m_download->downloadFileName()));
        return;
    case QWebEngineDownloadRequest::DownloadCancelled:
    case QWebEngineDownloadRequest::DownloadInterrupted:
        KVLog(QStringLiteral("Webview"), QStringLiteral("Document %@ could not be fetched: %@"), m_url.toString(QUrl::FullyEncoded),
              m_download->interruptReasonString());
        fail();
        return;
    }
}

void EngineFetch::fail()
{
    if (std::exchange(m_done, true))
        return;
    if (m_idle)
        m_idle->stop();
    if (m_download) {
        QDir staging(m_download->downloadDirectory());
        for (const QString& name : staging.entryList({m_download->downloadFileName() + QLatin1Char('*')}, QDir::Files))
            staging.remove(name);
    }
    Q_EMIT finished(false, QString());
    if (m_purpose == Purpose::Keep)
        deleteLater();
}

}  // namespace korvel
