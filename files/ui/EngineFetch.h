#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QWebEngineDownloadRequest;
class QWebEnginePage;
class QWidget;

namespace korvel {

class Timer;

// One address fetched through the engine by a page of the visit's own profile, so that its
// cookies and HTTP authentication apply, without a window and without the window's response
// decision (the screen that asks has made its own). Read fetches land in a private file the
// caller opens and then removes; Keep fetches become a download into Documents.
class EngineFetch final : public QObject {
    Q_OBJECT
public:
    enum class Purpose { Read, Keep };

    // Makes a hidden page in the profile pages are made in now; the engine side installs it.
    using PageMaker = std::function<QWebEnginePage*(QObject* parent)>;
    static void setPageMaker(PageMaker maker);

    // Starts fetching `url`; the fetch is a child of `requester` (nullptr when no page maker is
    // installed: nothing is fetched then).
    static EngineFetch* start(const QUrl& url, Purpose purpose, QWidget* requester);
    // Every download the engine offers passes here first: true when it is one of these fetches'
    // and was taken over, false when it belongs to someone else.
    static bool takeOver(QWebEngineDownloadRequest* download);

    QUrl url() const { return m_url; }
    // A Read fetch that receives nothing for this long is given up.
    static constexpr int idleTimeoutSeconds = 60;

Q_SIGNALS:
    // Read: `path` is the fetched file (the caller removes it), empty on failure. Keep: whether the
    // download was handed to the downloader.
    void finished(bool isSuccess, const QString& path);

private:
    EngineFetch(const QUrl& url, Purpose purpose, QWidget* requester);
    ~EngineFetch() override;

    void read(QWebEngineDownloadRequest* download);
    void keep(QWebEngineDownloadRequest* download);
    void onStateChanged();
    void fail();

    QUrl m_url;
    Purpose m_purpose;
    QPointer<QWidget> m_requester;
    QWebEnginePage* m_page = nullptr;
    QPointer<QWebEngineDownloadRequest> m_download;
    Timer* m_idle = nullptr;
    bool m_done = false;
};

}  // namespace korvel
