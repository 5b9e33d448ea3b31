#include "app/ui/KVMainWindow.h"
#include "app/ui/KVStatusBar.h"
#include "log/KVLogger.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

#include <QCoreApplication>
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

}  // namespace

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
