#include "files/ui/KVFileDownloader.h"

#include "files/DownloadFiles.h"
#include "files/VisitQuota.h"
#include "files/VisitorFiles.h"
#include "files/ui/FileSheet.h"
#include "files/ui/KVWaitingDownloadProgressView.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/DocumentOrigins.h"
#include "platform/Paths.h"
#include "platform/Timer.h"
#include "platform/ui/KeyWindow.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QFile>
#include <QUuid>
#include <QWebEngineDownloadRequest>

#include <filesystem>
#include <system_error>

namespace korvel {

namespace {

QList<KVFileDownloader*>& downloads()
{
    static QList<KVFileDownloader*> list;
    return list;
}

QString downloadCategory()
{
    //% "Download"
    return qtTrId("TXT_DOWNLOAD");
}

// Moves `from` onto the reserved (empty) `to`; copies when the two lie on different file systems.
bool moveOnto(const QString& from, const QString& to, QString* error)
{
    std::error_code code;
    std::filesystem::rename(from.toStdString(), to.toStdString(), code);
    if (!code)
        return true;
    QFile source(from);
    QFile target(to);
    if (!source.open(QIODevice::ReadOnly) || !target.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        *error = source.isOpen() ? target.errorString() : source.errorString();
        return false;
    }
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (qint64 n; (n = source.read(buffer.data(), buffer.size())) > 0;) {
        if (target.write(buffer.constData(), n) != n) {
            *error = target.errorString();
            return false;
        }
    }
    if (!target.flush()) {
        *error = target.errorString();
        return false;
    }
    source.remove();
    return true;
}

}  // namespace

KVFileDownloader* KVFileDownloader::initWithDownload(QWebEngineDownloadRequest* download, QWebEngineProfile* profile,
                                                     DownloadRequester requester, QWidget* viewObj)
{
    return new KVFileDownloader(download, profile, requester, viewObj);
}

KVFileDownloader::KVFileDownloader(QWebEngineDownloadRequest* download, QWebEngineProfile* profile, DownloadRequester requester,
                                   QWidget* viewObj)
    : m_download(download)
    , m_profile(profile)
    , m_requester(requester)
    , m_viewObj(viewObj)
    , m_id(download->id())
    , m_fileUrl(download->url())
    , m_name(DownloadFiles::downloadFileName(download->url(), download->suggestedFileName(),
                                     DownloadFiles::settingsDocumentNames(KVSettings::getSettingsObject())))
{
    downloads().append(this);
}

KVFileDownloader::~KVFileDownloader()
{
    downloads().removeOne(this);
}

KVWaitingDownloadProgressView* KVFileDownloader::objForWaitingDownload() const
{
    return m_overlay;
}

QList<KVFileDownloader*> KVFileDownloader::running()
{
    return downloads();
}

void KVFileDownloader::downloadFile()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    if (m_requester == DownloadRequester::BrowserWindow && p.isAllowKeepDownloadHistory) {
        m_overlay = KVWaitingDownloadProgressView::sharedView();
        //% "Downloading..."
        m_overlay->showWaitingAlertWithDownloadProgress(qtTrId("TEXT_DOWNLOADING"), m_name, this);
    }
    //% "Download started"
    makeToast(m_viewObj ? m_viewObj.data() : keyWindow(), qtTrId("TEXT_DOWNLOADING_STARTED"));

    if (!m_download || !QDir().mkpath(DownloadFiles::downloadStagingDirectory())) {
        finish(false, {});
        return;
    }
    m_stagingName = QUuid::createUuid().toString(QUuid::WithoutBraces) + QStringLiteral(".part");
    m_idle = new Timer(this);
    connect(m_idle, &Timer::timeout, this, [this] {
        m_timedOut = true;
        if (m_download)
            m_download->cancel();
    });
    m_idle->start(std::chrono::seconds(idleTimeoutSeconds), TimerMode::SingleShot);
    follow(m_download);
}

bool KVFileDownloader::resumeIfRunning(QWebEngineDownloadRequest* download, QWebEngineProfile* profile)
{
    for (KVFileDownloader* downloader : downloads()) {
        if (downloader->m_profile == profile && downloader->m_id == download->id() && downloader->m_download != download
            && downloader->m_idle) {
            downloader->follow(download);
            return true;
        }
    }
    return false;
}

void KVFileDownloader::follow(QWebEngineDownloadRequest* download)
{
    if (m_download && m_download != download)
        m_download->disconnect(this);
    m_download = download;
    m_download->setDownloadDirectory(DownloadFiles::downloadStagingDirectory());
    m_download->setDownloadFileName(m_stagingName);
    const auto progress = [this] {
        m_idle->start(std::chrono::seconds(idleTimeoutSeconds), TimerMode::SingleShot);
        // Every byte counts against the visit as it arrives, so a server that announced nothing (or
        // too little) is stopped where the quota ends.
        const qint64 more = m_download->receivedBytes() - m_charged;
        if (more > 0 && !m_overQuota) {
            if (VisitQuota::shared().take(more, KVSettings::getSettingsObject().kvBrowPref)) {
                m_charged += more;
            } else {
                m_overQuota = true;
                m_download->cancel();
            }
        }
        Q_EMIT progressChanged(m_download->receivedBytes(), m_download->totalBytes());
    };
    connect(m_download, &QWebEngineDownloadRequest::receivedBytesChanged, this, progress);
    connect(m_download, &QWebEngineDownloadRequest::totalBytesChanged, this, progress);
    // The engine reports the end by its state; isFinished() can lag behind it.
    connect(m_download, &QWebEngineDownloadRequest::stateChanged, this, &KVFileDownloader::onFinished);
    connect(m_download, &QWebEngineDownloadRequest::isFinishedChanged, this, &KVFileDownloader::onFinished);
    // The engine deletes a request with its profile; a download that loses it has failed.
    connect(m_download, &QObject::destroyed, this, [this] {
        if (!m_download)
            finish(false, {});
    });
    m_download->accept();
}

void KVFileDownloader::cancel()
{
    m_cancelled = true;
    if (m_download && !m_download->isFinished())
        m_download->cancel();
    else if (!m_download)
        finish(false, {});
}

void KVFileDownloader::onFinished()
{
    if (!m_download || m_done)
        return;
    const QWebEngineDownloadRequest::DownloadState state = m_download->state();
    if (state == QWebEngineDownloadRequest::DownloadRequested || state == QWebEngineDownloadRequest::DownloadInProgress)
        return;
    if (m_download->state() != QWebEngineDownloadRequest::DownloadCompleted) {
        const QString reason = m_timedOut     ? QStringLiteral("no data for %1 seconds").arg(idleTimeoutSeconds)
                               : m_overQuota ? QStringLiteral("the visit's quota is used up")
                               : m_download->state() == QWebEngineDownloadRequest::DownloadCancelled
                                   ? QStringLiteral("cancelled")
                                   : m_download->interruptReasonString();
        KVLog(downloadCategory(), QStringLiteral("Download of %@ failed: %@"), m_fileUrl.toString(QUrl::FullyEncoded), reason);
        // The engine may keep its own partial file beside ours; neither is of any use now.
        QDir staging(DownloadFiles::downloadStagingDirectory());
        for (const QString& name : staging.entryList({m_stagingName + QLatin1Char('*')}, QDir::Files))
            staging.remove(name);
        finish(false, {});
        return;
    }
    const QString stored = store();
    finish(!stored.isEmpty(), stored);
}

QString KVFileDownloader::store()
{
    const QString staged = QDir(m_download->downloadDirectory()).filePath(m_download->downloadFileName());
    const QString destination = DownloadFiles::reserveDownloadDestination(Paths::documentsDirectory(), m_name);
    QString error;
    if (destination.isEmpty())
        error = QStringLiteral("no free name for %1 in Documents").arg(m_name);
    else if (moveOnto(staged, destination, &error)) {
        // A visitor's file: it is never taken as settings.
        const QString notRecorded = DocumentOrigins::recordInHome(destination, DocumentOrigin::Download);
        if (!notRecorded.isEmpty())
            KVLog(downloadCategory(), QStringLiteral("Origin of %@ not recorded: %@"), destination, notRecorded);
        return destination;
    }
    KVLog(downloadCategory(), QStringLiteral("%@"), error);
    if (!destination.isEmpty())
        QFile::remove(destination);
    QFile::remove(staged);
    return {};
}

void KVFileDownloader::finish(bool isSuccess, const QString& storedPath)
{
    if (std::exchange(m_done, true))
        return;
    downloads().removeOne(this);
    if (m_idle)
        m_idle->stop();
    if (m_overlay)
        m_overlay->dismissAlertWithDownloadProgress(this);
    const QUrl destination = isSuccess ? QUrl::fromLocalFile(storedPath) : QUrl();
    // A visitor's download is this visit's to upload again, and no later visitor's; nothing of a
    // failed download stays in Documents.
    if (isSuccess)
        VisitorFiles::shared().record(storedPath);
    else
        VisitQuota::shared().giveBack(std::exchange(m_charged, 0));
    Q_EMIT didDownloadFile(isSuccess, destination);

    if (isSuccess) {
        //% "Downloaded successfully"
        makeToast(keyWindow(), qtTrId("TITLE_DOWNLOAD_SUCCESSFULLY"));
    } else if (m_overQuota) {
        makeToast(keyWindow(), qtTrId("TEXT_DOWNLOAD_QUOTA_REACHED"));
    } else if (m_cancelled) {
        //% "Download cancelled"
        makeToast(keyWindow(), qtTrId("TEXT_DOWNLOAD_CANCELLED"));
    } else {
        //% "The download failed."
        makeToast(keyWindow(), qtTrId("TEXT_DOWNLOAD_FAILED"));
    }
    KVSettings& settings = KVSettings::getSettingsObject();
    if (DownloadFiles::updateDownloadFileDetail(m_fileUrl, isSuccess, storedPath, settings, Clock::instance().now()))
        FileSheet::showFile(storedPath, m_viewObj);
    deleteLater();
}

}  // namespace korvel
