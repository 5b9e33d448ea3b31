#include "app/ui/KVMainWindow.h"
#include "app/ui/KVStatusBar.h"
#include "app/ui/WindowFrames.h"
#include "log/KVLogger.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWindow>
#include <QGuiApplication>
#include <QScreen>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

class KioskWindowTest : public test::TestHome {
protected:
    // Lets the window system's answer reach the window, then the clock run the check it asked for.
    void settle()
    {
        QCoreApplication::processEvents();
        clock.advance(100ms);
        QCoreApplication::processEvents();
    }
    // Time enough for the window system to answer the last restoration before the next change.
    void calm()
    {
        QCoreApplication::processEvents();
        clock.advance(1s);
        QCoreApplication::processEvents();
    }
};

// Stands for a compositor that stops answering: no update reaches the window, it is never exposed
// anew. Counts the showings the window gets meanwhile.
class FrozenCompositor : public QObject {
public:
    bool frozen = true;
    int shown = 0;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType())
            ++shown;
        return frozen && !watched->isWidgetType() && (event->type() == QEvent::UpdateRequest || event->type() == QEvent::Expose);
    }
};

// The window system's own timers (an update asked for) run on real time.
void pumpEvents()
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

}  // namespace

TEST_F(KioskWindowTest, AWindowWhoseFramesStopIsShownAgain)
{
    KVLogger::createDatabase_Tables();
    KVMainWindow window;
    window.showForKiosk(KioskWindowMode::FullScreen);
    pumpEvents();
    ASSERT_TRUE(window.frameClock().lastFrameAt().isValid()) << "a shown window has painted";
    // A still page for a minute: the window is asked for frames and gives them, nothing else happens.
    for (int i = 0; i < 12; ++i) {
        clock.advance(WindowFrames::tickInterval);
        pumpEvents();
    }
    EXPECT_LE(window.frameClock().ageMs(clock.now()), 10'000);
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).filter(QStringLiteral("shown again")).isEmpty());

    FrozenCompositor compositor;
    window.installEventFilter(&compositor);
    window.windowHandle()->installEventFilter(&compositor);
    const QDateTime frozenAt = clock.now();
    while (compositor.shown == 0 && frozenAt.secsTo(clock.now()) < 60) {
        clock.advance(WindowFrames::tickInterval);
        pumpEvents();
    }
    EXPECT_EQ(compositor.shown, 1);
    EXPECT_LE(frozenAt.secsTo(clock.now()), FrameWatch::limit.count() + WindowFrames::tickInterval.count() + 10);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(loggedEvents(QStringLiteral("App General")).filter(QStringLiteral("Window shown again: no frame on screen for 30 s")).size(), 1);

    // The compositor answers again: frames come, no further showing.
    compositor.frozen = false;
    clock.advance(WindowFrames::tickInterval * 4);
    pumpEvents();
    clock.advance(WindowFrames::tickInterval * 4);
    pumpEvents();
    EXPECT_LE(window.frameClock().ageMs(clock.now()), 20'000);
    EXPECT_EQ(compositor.shown, 1);
}

TEST_F(KioskWindowTest, CoversTheScreenAndTakesBackWhatOthersChange)
{
    KVLogger::createDatabase_Tables();
    KVMainWindow window;
    window.showForKiosk(KioskWindowMode::FullScreen);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window.geometry(), screen);
    EXPECT_TRUE(window.windowState() & Qt::WindowFullScreen);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint) << "a window manager would add a close button";
    QCoreApplication::processEvents();
    clock.advance(WindowGuard::showSettleTime);
    calm();

    window.setGeometry(40, 30, 400, 300);
    settle();
    EXPECT_EQ(window.geometry(), screen);

    calm();
    window.setWindowState(Qt::WindowMinimized);
    settle();
    EXPECT_EQ(window.windowState(), Qt::WindowFullScreen);

    calm();
    window.hide();
    settle();
    EXPECT_TRUE(window.isVisible());

    // A restoration is logged once a later check finds the window back.
    calm();
    // Resizing a full-screen window may also drop its state, depending on the platform.
    const QStringList lines = loggedEvents(QStringLiteral("App General"));
    ASSERT_EQ(lines.size(), 3) << qPrintable(lines.join(QLatin1Char('\n')));
    EXPECT_TRUE(lines[0].startsWith(QLatin1String("Window restored: "))) << qPrintable(lines[0]);
    EXPECT_TRUE(lines[0].endsWith(QLatin1String("moved, resized"))) << qPrintable(lines[0]);
    EXPECT_EQ(lines.mid(1), (QStringList{QStringLiteral("Window restored: minimised"), QStringLiteral("Window restored: hidden")}));
    // Nothing is wrong any more: the periodic check leaves the window and the log alone.
    calm();
    clock.advance(5s);
    EXPECT_EQ(loggedEvents(QStringLiteral("App General")).size(), 3);
}

TEST_F(KioskWindowTest, MaximisedUnderTheStatusBarWhenNotFullScreen)
{
    KVMainWindow window;
    window.setStatusBar(new KVStatusBar(nullptr));
    window.showForKiosk(KioskWindowMode::Maximised);
    EXPECT_EQ(window.geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_TRUE(window.statusBar()->isVisible());
    EXPECT_EQ(static_cast<KVStatusBar*>(window.statusBar())->networkText(), QStringLiteral("No Network")) << "without a monitor";
    calm();
    window.setWindowState(Qt::WindowFullScreen);
    settle();
    EXPECT_EQ(window.windowState(), Qt::WindowMaximized);
    window.showForKiosk(KioskWindowMode::FullScreen);
    EXPECT_FALSE(window.statusBar()->isVisible());
}

// "FullScreen" changed while the kiosk is shown applies at once, both ways.
TEST_F(KioskWindowTest, TheFullScreenSettingAppliesAtOnce)
{
    KVMainWindow window;
    window.setStatusBar(new KVStatusBar(nullptr));
    settings().kvBrowPref.fullScreen = false;
    window.showForKiosk(KioskWindowMode::Maximised);
    window.followFullScreenSetting();
    for (const bool fullScreen : {true, false}) {
        settings().kvBrowPref.fullScreen = fullScreen;
        ASSERT_TRUE(settings().save());
        calm();
        EXPECT_EQ(window.mode(), fullScreen ? KioskWindowMode::FullScreen : KioskWindowMode::Maximised) << fullScreen;
        EXPECT_EQ(window.statusBar()->isVisible(), !fullScreen) << fullScreen;
    }
}
