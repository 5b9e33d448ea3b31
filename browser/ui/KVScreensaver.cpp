#include "browser/ui/KVScreensaver.h"

#include "browser/ScreensaverSource.h"
#include "browser/ui/EngineProfiles.h"
#include "browser/ui/RemoteImage.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QMediaPlayer>
#include <QProgressBar>
#include <QVideoWidget>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace korvel {

namespace {

// The screensaver's page shows the one address it was given (and where that redirects): it is
// looked at, not used, so it opens nothing else, no window and no dialog.
class ScreensaverPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override
    {
        Q_UNUSED(url);
        if (!isMainFrame)
            return true;
        return std::exchange(m_first, false) || type == NavigationTypeRedirect;
    }
    QWebEnginePage* createWindow(WebWindowType) override { return nullptr; }
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString&) override { return false; }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override { return false; }

private:
    bool m_first = true;
};

}  // namespace

KVScreensaver* KVScreensaver::getScreensaverObject()
{
    static KVScreensaver* shared = new KVScreensaver;
    return shared;
}

QWidget* KVScreensaver::cover() const
{
    return m_host ? m_host->window() : nullptr;
}

bool KVScreensaver::isShowing() const
{
    return m_video || m_imageScreen || m_webView;
}

void KVScreensaver::place(QWidget* view)
{
    QWidget* over = cover();
    view->setParent(over);
    view->setGeometry(over->rect());
    view->show();
    view->raise();
}

void KVScreensaver::playMovie()
{
    if (m_isMoviePlaying)
        return;
    m_isMoviePlaying = true;
    const QString setting = KVSettings::getSettingsObject().kvBrowPref.screenSaverURL;
    if (isShowing() || !cover())
        return;
    const ScreensaverKind kind = ScreensaverSource::kind(setting);
    const std::optional<QUrl> url = ScreensaverSource::url(setting);
    switch (kind) {
    case ScreensaverKind::None:
        return;
    case ScreensaverKind::Video:
        if (url && playVideo(*url)) {
            KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver shown"));
            Q_EMIT shown();
        } else {
            KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver not shown as Video could not be retrieved"));
            errorInPlayingVideo();
        }
        return;
    case ScreensaverKind::Image:
        if (url && !url->isLocalFile()) {
            // A picture on the web arrives later: shown if the screensaver is still wanted then.
            RemoteImage::load(*url, this, [this](const QImage& image) {
                if (!m_isMoviePlaying || isShowing() || !cover())
                    return;
                if (!image.isNull()) {
                    showImage(image);
                    KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver shown"));
                    Q_EMIT shown();
                } else {
                    KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver not shown as Image could not be retrieved"));
                    errorInPlayingVideo();
                }
            });
            return;
        }
        if (url && showImage(*url)) {
            KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver shown"));
            Q_EMIT shown();
        } else {
            KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver not shown as Image could not be retrieved"));
            errorInPlayingVideo();
        }
        return;
    case ScreensaverKind::WebPage:
        if (url)
            loadWebview(*url);
        return;
    }
}

bool KVScreensaver::playVideo(const QUrl& url)
{
    const bool web = url.toString().toLower().startsWith(QLatin1String("http"));
    if (web ? !ScreensaverSource::checkServerUrlIsReachable(url) : !(url.isLocalFile() && QFileInfo::exists(url.toLocalFile())))
        return false;
    auto* video = new QVideoWidget;
    video->setAspectRatioMode(Qt::KeepAspectRatioByExpanding);
    video->setAttribute(Qt::WA_AcceptTouchEvents);
    auto* player = new QMediaPlayer(video);
    // Silent: a screensaver in a public place does not talk.
    auto* audio = new QAudioOutput(player);
    audio->setMuted(true);
    player->setAudioOutput(audio);
    player->setVideoOutput(video);
    player->setLoops(QMediaPlayer::Infinite);
    player->setSource(url);
    m_video = video;
    m_moviePlayer = player;
    connect(player, &QMediaPlayer::errorOccurred, this, [this](QMediaPlayer::Error, const QString& message) {
        KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver video failed: %@"), message);
        stopMovie();
        errorInPlayingVideo();
    });
    // loopVideo: Qt 6.4's FFmpeg player ignores its loop count, so the end starts the video again.
    connect(player, &QMediaPlayer::mediaStatusChanged, this, [player](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia) {
            player->setPosition(0);
            player->play();
        }
    });
    place(video);
    player->play();
    return true;
}

bool KVScreensaver::showImage(const QUrl& url)
{
    QImage image;
    if (url.isLocalFile()) {
        QImageReader reader(url.toLocalFile());
        reader.setAutoTransform(true);
        image = reader.read();
    }
    if (image.isNull())
        return false;
    showImage(image);
    return true;
}

void KVScreensaver::showImage(const QImage& image)
{
    auto* label = new QLabel;
    label->setObjectName(QStringLiteral("screensaverImage"));
    label->setStyleSheet(QStringLiteral("background: white;"));
    label->setAlignment(Qt::AlignCenter);
    place(label);
    label->setPixmap(QPixmap::fromImage(image.scaled(label->size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation)));
    m_imageScreen = label;
}

void KVScreensaver::loadWebview(const QUrl& url)
{
    auto* view = new QWebEngineView;
    auto* page = new ScreensaverPage(EngineProfiles::instance().current(), view);
    EngineProfiles::instance().adopt(page);
    view->setPage(page);
    view->setStyleSheet(QStringLiteral("background: white;"));
    auto* spinner = new QProgressBar(view);
    spinner->setRange(0, 0);
    spinner->setTextVisible(false);
    spinner->setFixedSize(120, 8);
    m_webView = view;
    m_loadingIndicator = spinner;
    connect(page, &QWebEnginePage::loadStarted, spinner, &QWidget::show);
    connect(page, &QWebEnginePage::loadFinished, this, [this, view](bool ok) {
        if (m_loadingIndicator)
            m_loadingIndicator->deleteLater();
        if (!ok && m_webView == view) {
            // A page that cannot be shown leaves nothing over the kiosk.
            removeWebview();
            return;
        }
        if (ok)
            KVLog(QStringLiteral("App General"), QStringLiteral("Screensaver shown"));
        Q_EMIT shown();
    });
    place(view);
    spinner->move((view->width() - spinner->width()) / 2, (view->height() - spinner->height()) / 2);
    view->load(url);
}

void KVScreensaver::removeWebview()
{
    if (!m_webView)
        return;
    m_webView->stop();
    m_webView->hide();
    m_webView->deleteLater();
    m_webView = nullptr;
    m_loadingIndicator = nullptr;
}

void KVScreensaver::stopMovie()
{
    m_isMoviePlaying = false;
    const bool was = isShowing();
    if (m_video) {
        if (m_moviePlayer) {
            m_moviePlayer->disconnect(this);
            m_moviePlayer->stop();
        }
        m_video->hide();
        m_video->deleteLater();
        m_video = nullptr;
        m_moviePlayer = nullptr;
    }
    if (m_imageScreen) {
        m_imageScreen->hide();
        m_imageScreen->deleteLater();
        m_imageScreen = nullptr;
    }
    removeWebview();
    if (was)
        Q_EMIT stopped();
}

void KVScreensaver::errorInPlayingVideo()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("IdleTimer restarted after screensaver abort"));
    m_isMoviePlaying = false;
    Q_EMIT playbackAborted(m_host ? m_host->topScreen() : nullptr);
}

}  // namespace korvel
