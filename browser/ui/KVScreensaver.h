#pragma once

#include <QLabel>
#include <QMediaPlayer>
#include <QObject>
#include <QPointer>
#include <QProgressBar>
#include <QUrl>
#include <QVideoWidget>
#include <QWebEngineView>

namespace korvel {

class NavigationStack;
class Screen;

// The screensaver: a looping video, an image or a web page over the whole kiosk window, until the
// next touch. One per process.
class KVScreensaver final : public QObject {
    Q_OBJECT
public:
    static KVScreensaver* getScreensaverObject();
    // The stack whose window the screensaver covers, and whose top screen restarts its idle timer
    // when nothing could be shown. Set by the shell (tests set their own).
    void setHost(NavigationStack* stack) { m_host = stack; }

    // Starts the screensaver of the "ScreenSaver" setting unless one is playing.
    void playMovie();
    // Ends whatever the screensaver shows.
    void stopMovie();
    bool isMoviePlaying() const { return m_isMoviePlaying; }
    // Something of the screensaver is on screen (the next touch only ends it).
    bool isShowing() const;

    QVideoWidget* videoView() const { return m_video; }
    QMediaPlayer* moviePlayer() const { return m_moviePlayer; }
    QLabel* imageScreen() const { return m_imageScreen; }
    QWebEngineView* screensaverWebView() const { return m_webView; }

    // Nothing could be shown: the idle timer of the visible screen starts again.
    void errorInPlayingVideo();

Q_SIGNALS:
    void shown();
    void stopped();
    // A video could not be played: the screen on top of `host` starts its idle interval again.
    void playbackAborted(Screen* top);

private:
    KVScreensaver() = default;
    QWidget* cover() const;
    void place(QWidget* view);
    bool playVideo(const QUrl& url);
    bool showImage(const QUrl& url);
    void showImage(const QImage& image);
    void loadWebview(const QUrl& url);
    void removeWebview();

    QPointer<NavigationStack> m_host;
    bool m_isMoviePlaying = false;
    QPointer<QMediaPlayer> m_moviePlayer;
    QPointer<QVideoWidget> m_video;
    QPointer<QLabel> m_imageScreen;
    QPointer<QWebEngineView> m_webView;
    QPointer<QProgressBar> m_loadingIndicator;
};

}  // namespace korvel
