#pragma once

#include <QAuthenticator>
#include <QObject>
#include <QWebEngineCertificateError>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>

class QWebEngineView;

namespace korvel {

class KVWebPage;
class PageHost;
struct KVBrowserPrefSettings;

// A window's page: made for the window's page host in the present visit's profile, given the
// engine's settings and the kiosk's scripts, and made anew when a visit ends. The window listens
// once to what this relays, whichever page is the present one.
class WindowPage final : public QObject {
    Q_OBJECT
public:
    // `adopted`: a page another window's page opened as a new window, which this window takes over.
    WindowPage(PageHost* host, QWebEngineView* view, KVWebPage* adopted, QObject* parent);

    KVWebPage* page() const { return m_page; }
    // What every page gets before it loads: the engine's settings, the kiosk's style from each
    // document's creation on and, without zoom, the rule that keeps the page from scaling itself.
    void prepare(const KVBrowserPrefSettings& p);
    // A fresh page in the present profile takes the present one's place, prepared with `p`; the
    // old one says nothing more, stops, and goes with what it kept.
    void renew(const KVBrowserPrefSettings& p);

Q_SIGNALS:
    void loadStarted();
    void loadProgress(int progress);
    void loadFinished(bool ok);
    void loadingChanged(const QWebEngineLoadingInfo& info);
    void urlChanged(const QUrl& url);
    void certificateError(const QWebEngineCertificateError& error);
    void authenticationRequired(const QUrl& url, QAuthenticator* authenticator);
    void printRequested();
    void windowCloseRequested();
    void renderProcessTerminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);
    void renderProcessPidChanged(qint64 pid);

private:
    void relay();

    PageHost* m_host;
    QWebEngineView* m_view;
    KVWebPage* m_page = nullptr;
};

}  // namespace korvel
