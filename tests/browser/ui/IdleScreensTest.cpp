#include "browser/IdleTimer.h"
#include "browser/PowerSaver.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVScreensaver.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Alert.h"
#include "platform/ui/WakeTouchFilter.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QBuffer>
#include <QLabel>
#include <QMediaPlayer>
#include <QProcess>
#include <QVideoWidget>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

class IdleScreensTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        // As the kiosk plays videos (see main).
        if (qEnvironmentVariableIsEmpty("QT_MEDIA_BACKEND"))
            qputenv("QT_MEDIA_BACKEND", "ffmpeg");
        saver = std::make_unique<PowerSaver>();
        screensaver()->setHost(stack.get());
        // As the shell wakes the kiosk.
        filter = std::make_unique<WakeTouchFilter>(WakeTouchFilter::Hooks{
            [this] { return saver->powerSaveOn() || screensaver()->isShowing(); },
            [this] {
                if (saver->powerSaveOn())
                    saver->powerStateOff();
                screensaver()->stopMovie();
            }});
        qApp->installEventFilter(filter.get());
    }

    void TearDown() override
    {
        screensaver()->stopMovie();
        filter.reset();
        saver.reset();
        WebWindowTest::TearDown();
    }

    static KVScreensaver* screensaver() { return KVScreensaver::getScreensaverObject(); }

    std::unique_ptr<PowerSaver> saver;
    std::unique_ptr<WakeTouchFilter> filter;
};

const QByteArray buttonPage = QByteArrayLiteral(
    "<html><head><title>Start</title></head><body style='margin:0'>"
    "<button style='width:100vw;height:100vh' onclick=\"document.title='pressed'\">press</button></body></html>");

}  // namespace

TEST_F(IdleScreensTest, TheTouchThatEndsPowerSavingOnlyWakesTheKiosk)
{
    server().setPage(QStringLiteral("/button"), buttonPage);
    KVWKViewController* window = open(url("allowed.test", "/button"));
    settings().kvBrowPref.brightness = 0.7f;
    saver->powerStateOn();
    ASSERT_EQ(device.brightness, 0.0);
    const QPoint middle(window->webView()->width() / 2, window->webView()->height() / 2);
    clickAt(window->webView(), middle);
    wait(500);
    EXPECT_FALSE(saver->powerSaveOn());
    EXPECT_FLOAT_EQ(device.brightness, 0.7);
    // Repeated within the minute, the line is folded into a count ("... repeated N times").
    EXPECT_TRUE(log(QStringLiteral("App General")).value(log(QStringLiteral("App General")).size() - 1).startsWith(QStringLiteral("Power Saver Off")))
        << qPrintable(log(QStringLiteral("App General")).join(QLatin1Char('\n')));
    EXPECT_EQ(evaluate(window, QStringLiteral("document.title")).toString(), QStringLiteral("Start")) << "the waking touch pressed the button";
    // Awake, the same touch reaches the page.
    EXPECT_TRUE(clickUntil(window->webView(), middle, [&] { return evaluate(window, QStringLiteral("document.title")).toString() == QLatin1String("pressed"); }));
}

TEST_F(IdleScreensTest, TheWindowGoesHomeTenSecondsAfterTheLastTouch)
{
    struct Case {
        int idleTimeout;
        bool goesHome;
    } cases[] = {{9, false}, {10, true}};
    for (const Case& c : cases) {
        settings().kvBrowPref.idleTimeout = c.idleTimeout;
        settings().kvBrowPref.goHomeOnIdleTimeout = true;
        settings().kvBrowPref.privateBrowsing = true;
        KVWKViewController* window = open(url("allowed.test"));
        QSignalSpy home(window, &KVWKViewController::homeRequested);
        clock.advance(5s);
        NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
        clock.advance(3s);
        NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
        clock.advance(9999ms);
        wait(50);
        EXPECT_EQ(home.count(), 0) << c.idleTimeout;
        clock.advance(1ms);
        test::processEventsUntil([&] { return home.count() > 0; }, 1000);
        EXPECT_EQ(home.count(), c.goesHome ? 1 : 0) << c.idleTimeout;
        EXPECT_EQ(log(QStringLiteral("Webview")).contains(QStringLiteral("idletime exceeded")), c.goesHome) << c.idleTimeout;
        closeWindows();
        freshStack();
        screensaver()->setHost(stack.get());
    }
}

TEST_F(IdleScreensTest, TheHomeScreenSavesPowerOnIdleAndTheNextTouchWakesIt)
{
    settings().kvBrowPref.idleTimeout = 10;
    settings().kvBrowPref.alwaysSavePower = true;
    settings().allowedWebsites = {site(url("allowed.test"))};
    settings().save();
    auto* home = new KVHomePageViewController;
    stack->push(home, NavigationStack::Animation::None);
    wait(50);
    clock.advance(10s);
    EXPECT_TRUE(saver->powerSaveOn());
    EXPECT_FALSE(home->idleTimer2().isActive()) << "no timer while dimmed";
    clickAt(home, QPoint(home->width() / 2, home->height() - 80));
    // As the application object tells of every touch.
    NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
    wait(100);
    EXPECT_FALSE(saver->powerSaveOn());
    EXPECT_TRUE(home->idleTimer2().isActive()) << "the wake touch starts the next interval";
}

TEST_F(IdleScreensTest, ScreensaverImagesAndFailuresFollowTheSetting)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(documents() + QStringLiteral("/saver.png")));
    QByteArray png;
    QBuffer buffer(&png);
    ASSERT_TRUE(buffer.open(QIODevice::WriteOnly) && picture.save(&buffer, "PNG"));
    server().setPage(QStringLiteral("/saver.png"), test::WebTestServer::Page{png, "image/png"});
    server().setPage(QStringLiteral("/broken.png"), test::WebTestServer::Page{"not an image", "image/png"});
    struct Case {
        QString setting;
        bool shown;
        const char* logged;
    } cases[] = {
        {QStringLiteral("saver.png"), true, "Screensaver shown"},
        {url("127.0.0.1", "/saver.png"), true, "Screensaver shown"},
        {url("127.0.0.1", "/broken.png"), false, "Screensaver not shown as Image could not be retrieved"},
        {QStringLiteral("missing.png"), false, "Screensaver not shown as Image could not be retrieved"},
        {QStringLiteral("missing.mp4"), false, "Screensaver not shown as Video could not be retrieved"},
    };
    for (const Case& c : cases) {
        settings().kvBrowPref.screenSaverURL = c.setting;
        screensaver()->playMovie();
        // A picture on the web arrives later; repeated log lines are folded, so the first failure
        // of its kind is the web one.
        const auto logged = [&] { return log(QStringLiteral("App General")).contains(QString::fromLatin1(c.logged)); };
        EXPECT_TRUE(test::processEventsUntil([&] { return c.shown ? screensaver()->isShowing() : logged(); }, 10000))
            << qPrintable(c.setting);
        EXPECT_TRUE(logged()) << qPrintable(c.setting);
        EXPECT_EQ(screensaver()->isShowing(), c.shown) << qPrintable(c.setting);
        if (c.shown) {
            ASSERT_TRUE(screensaver()->imageScreen());
            EXPECT_EQ(screensaver()->imageScreen()->geometry(), stack->window()->rect()) << "over the whole window";
            QTest::mouseClick(stack->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
            EXPECT_FALSE(screensaver()->isShowing()) << "a touch ends it";
        } else {
            EXPECT_TRUE(log(QStringLiteral("App General")).contains(QStringLiteral("IdleTimer restarted after screensaver abort")));
        }
    }
}

TEST_F(IdleScreensTest, AGeneratedVideoLoopsAsScreensaverUntilATouch)
{
    const QString video = documents() + QStringLiteral("/loop.mp4");
    const int made = QProcess::execute(QStringLiteral("ffmpeg"),
                                       {"-loglevel", "error", "-y", "-f", "lavfi", "-i", "testsrc=duration=1:size=160x120:rate=10",
                                        "-c:v", "mpeg4", "-pix_fmt", "yuv420p", video});
    if (made != 0)
        GTEST_SKIP() << "ffmpeg could not make the test video";
    settings().kvBrowPref.screenSaverURL = QStringLiteral("loop.mp4");
    screensaver()->playMovie();
    ASSERT_TRUE(screensaver()->moviePlayer());
    QMediaPlayer* player = screensaver()->moviePlayer();
    EXPECT_EQ(player->loops(), QMediaPlayer::Infinite);
    // Playing for longer than the one-second video shows it looped.
    qint64 furthest = 0;
    bool wrapped = false;
    test::processEventsUntil([&] {
        const qint64 at = player->position();
        wrapped = wrapped || (furthest > 500 && at < furthest - 300);
        furthest = std::max(furthest, at);
        return wrapped;
    }, 8000);
    EXPECT_EQ(player->error(), QMediaPlayer::NoError) << qPrintable(player->errorString());
    EXPECT_TRUE(wrapped) << "furthest position " << furthest << " status " << int(player->mediaStatus()) << " duration " << player->duration();
    EXPECT_EQ(player->playbackState(), QMediaPlayer::PlayingState);
    QTest::mouseClick(stack->windowHandle(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(screensaver()->isShowing());
    EXPECT_FALSE(screensaver()->isMoviePlaying());
}

// Sound does not play on under the screensaver or the dimmed screen, and plays again on waking;
// what the visitor paused stays paused.
TEST_F(IdleScreensTest, MediaPausesWhileTheKioskSleepsAndPlaysOnWaking)
{
    // One second of silence as 8 kHz 8-bit WAV.
    QByteArray wav("RIFF");
    const quint32 samples = 8000;
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    wav += le32(36 + samples) + "WAVEfmt " + le32(16) + QByteArray::fromHex("01000100401f0000401f000001000800") + "data" + le32(samples)
           + QByteArray(int(samples), char(0x80));
    server().setPage(QStringLiteral("/sound.wav"), test::WebTestServer::Page{wav, "audio/wav"});
    server().setPage(QStringLiteral("/audio"),
                     QByteArrayLiteral("<html><head><title>Audio</title></head><body style='margin:0'>"
                                       "<button style='width:100vw;height:100vh' onclick=\"document.getElementById('a').play()\">play</button>"
                                       "<audio id='a' src='/sound.wav' loop></audio><audio id='b' src='/sound.wav'></audio></body></html>"));
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(documents() + QStringLiteral("/saver.png")));
    settings().kvBrowPref.screenSaverURL = QStringLiteral("saver.png");
    KVWKViewController* window = open(url("allowed.test", "/audio"));
    const auto paused = [&](const char* id) {
        return evaluate(window, QStringLiteral("document.getElementById('%1').paused").arg(QLatin1String(id))).toBool();
    };
    ASSERT_TRUE(clickUntil(window->webView(), QPoint(50, 50), [&] { return !paused("a"); }));
    const struct {
        const char* name;
        std::function<void()> sleep;
        std::function<void()> wake;
    } cases[] = {
        {"screensaver", [] { screensaver()->playMovie(); }, [] { screensaver()->stopMovie(); }},
        {"dimmed screen", [this] { saver->powerStateOn(); }, [this] { saver->powerStateOff(); }},
    };
    for (const auto& c : cases) {
        c.sleep();
        EXPECT_TRUE(test::processEventsUntil([&] { return paused("a"); }, 5000)) << c.name;
        c.wake();
        EXPECT_TRUE(test::processEventsUntil([&] { return !paused("a"); }, 5000)) << c.name;
        EXPECT_TRUE(paused("b")) << c.name << ": what was not playing stays paused";
    }
}
