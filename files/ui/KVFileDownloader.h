#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

class QWebEngineDownloadRequest;
class QWebEngineProfile;
class QWidget;

namespace korvel {

class KVWaitingDownloadProgressView;
class Timer;

// Which screen asked for a download; results of the browser window and the reader are handled.
enum class DownloadRequester { BrowserWindow, Reader };

// One download into the documents directory. The engine fetches it in the page's own profile, so
// cookies and authentication of the visit apply; the bytes go to a staging file outside Documents
// and are moved in under a name that overwrites nothing only once complete; every byte counts against
// the visit's quota, and a download that would go beyond it is stopped. The downloader lives
// on after the screen that asked is gone and deletes itself when done.
class KVFileDownloader final : public QObject {
    Q_OBJECT
public:
    // Takes over a download the engine offers in `profile`; call while the engine's request signal
    // is handled.
    static KVFileDownloader* initWithDownload(QWebEngineDownloadRequest* download, QWebEngineProfile* profile,
                                              DownloadRequester requester, QWidget* viewObj);

    // Starts it: the overlay (browser window with history keeping), the "started" toast, the fetch.
    void downloadFile();
    // The engine offers a download again when it resumes one whose connection broke; the running
    // downloader of that download of `profile` takes it over. False when it belongs to none.
    static bool resumeIfRunning(QWebEngineDownloadRequest* download, QWebEngineProfile* profile);
    // Stops the fetch at the person's request; the download ends as failed.
    void cancel();

    QUrl fileUrl() const { return m_fileUrl; }
    QWebEngineProfile* profile() const { return m_profile; }
    KVWaitingDownloadProgressView* objForWaitingDownload() const;
    // The downloads running now, oldest first.
    static QList<KVFileDownloader*> running();

    // A fetch that receives nothing for this long is given up.
    static constexpr int idleTimeoutSeconds = 60;


Q_SIGNALS:
    void progressChanged(qint64 received, qint64 total);
    // `destinationUrl` is the stored file's URL; empty on failure.
    void didDownloadFile(bool isSuccess, const QUrl& destinationUrl);

private:
    KVFileDownloader(QWebEngineDownloadRequest* download, QWebEngineProfile* profile, DownloadRequester requester, QWidget* viewObj);
    ~KVFileDownloader() override;

    void follow(QWebEngineDownloadRequest* download);
    void onFinished();
    // Moves the staged file into Documents; the stored path, or empty on failure (logged).
    QString store();
    void finish(bool isSuccess, const QString& storedPath);

    QPointer<QWebEngineDownloadRequest> m_download;
    // The engine numbers downloads per profile.
    QWebEngineProfile* m_profile = nullptr;
    quint32 m_id = 0;
    QString m_stagingName;
    DownloadRequester m_requester;
    QPointer<QWidget> m_viewObj;
    QUrl m_fileUrl;
    QString m_name;
    QPointer<KVWaitingDownloadProgressView> m_overlay;
    Timer* m_idle = nullptr;
    bool m_done = false;
    bool m_timedOut = false;
    bool m_cancelled = false;
    bool m_overQuota = false;
    qint64 m_charged = 0;  // bytes counted against the visit's quota
};

}  // namespace korvel
