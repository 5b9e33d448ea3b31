#include "app/WindowCheck.h"
#include "app/WindowGuard.h"
#include "tests/support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

const QRect screen(0, 0, 1280, 800);
const QRect workArea(0, 0, 1280, 770);

// A kiosk window as it must be, full screen.
WindowObservation fine()
{
    WindowObservation o;
    o.fullScreen = true;
    o.geometry = screen;
    o.target = screen;
    return o;
}

using F = WindowFault;
using A = WindowAction;

}  // namespace

TEST(WindowCheck, NamesWhatIsWrongAndWhatPutsItRight)
{
    const struct {
        const char* name;
        KioskWindowMode mode;
        std::function<void(WindowObservation&)> change;
        QList<WindowFault> faults;
        QList<WindowAction> actions;
    } cases[] = {
        {"full screen and covering the screen", KioskWindowMode::FullScreen, [](WindowObservation&) {}, {}, {}},
        {"hidden by the program", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.shown = false;
             o.mapped = false;
         },
         {F::Hidden}, {A::Show, A::ApplyGeometry, A::ApplyState, A::Raise, A::Activate}},
        // A minimised window is unmapped and its geometry means nothing until it is back.
        {"minimised", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.minimised = true;
             o.mapped = false;
             o.geometry = QRect(0, 0, 1, 1);
         },
         {F::Minimised}, {A::ApplyState, A::Raise, A::Activate}},
        {"minimised and no longer full screen: the state comes back with the window", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.minimised = true;
             o.fullScreen = false;
             o.mapped = false;
         },
         {F::Minimised}, {A::ApplyState, A::Raise, A::Activate}},
        {"desktop shown: the window manager unmapped it", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.desktopShown = true;
             o.mapped = false;
         },
         {F::DesktopShown}, {A::LeaveDesktopMode, A::Raise, A::Activate}},
        {"unmapped behind the toolkit's back", KioskWindowMode::FullScreen, [](WindowObservation& o) { o.mapped = false; },
         {F::Unmapped}, {A::Map, A::Raise, A::Activate}},
        {"full screen dropped, the window manager gave it its normal size", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.fullScreen = false;
             o.geometry = QRect(100, 80, 640, 480);
         },
         {F::LeftFullScreen, F::Moved, F::Resized}, {A::ApplyGeometry, A::ApplyState, A::Raise}},
        {"resized in place", KioskWindowMode::FullScreen, [](WindowObservation& o) { o.geometry = QRect(0, 0, 400, 300); },
         {F::Resized}, {A::ApplyGeometry}},
        {"moved", KioskWindowMode::FullScreen, [](WindowObservation& o) { o.geometry.moveTo(10, 0); }, {F::Moved},
         {A::ApplyGeometry}},
        {"the screen grew: the target moved on", KioskWindowMode::FullScreen,
         [](WindowObservation& o) { o.target = QRect(0, 0, 1920, 1080); }, {F::Resized}, {A::ApplyGeometry}},
        {"no screen at all: nothing to cover", KioskWindowMode::FullScreen, [](WindowObservation& o) { o.target = QRect(); },
         {}, {}},
        {"maximised under the status bar", KioskWindowMode::Maximised,
         [](WindowObservation& o) {
             o.fullScreen = false;
             o.maximised = true;
             o.geometry = o.target = workArea;
         },
         {}, {}},
        {"maximised, but full screen", KioskWindowMode::Maximised,
         [](WindowObservation& o) {
             o.maximised = true;
             o.target = workArea;
         },
         {F::LeftMaximised, F::Resized}, {A::ApplyGeometry, A::ApplyState, A::Raise}},
        {"maximised, restored to normal", KioskWindowMode::Maximised,
         [](WindowObservation& o) {
             o.fullScreen = false;
             o.target = workArea;
             o.geometry = workArea;
         },
         {F::LeftMaximised}, {A::ApplyGeometry, A::ApplyState, A::Raise}},
        {"desktop shown while also minimised", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.desktopShown = true;
             o.minimised = true;
             o.mapped = false;
         },
         {F::Minimised, F::DesktopShown}, {A::LeaveDesktopMode, A::ApplyState, A::Raise, A::Activate}},
    };
    for (const auto& c : cases) {
        WindowObservation o = fine();
        c.change(o);
        const WindowVerdict v = WindowCheck::check(o, c.mode);
        EXPECT_EQ(v.faults, c.faults) << c.name;
        EXPECT_EQ(v.actions, c.actions) << c.name;
    }
}

TEST(WindowGuard, RestoresOncePerCheckAndLogsEachFaultOnce)
{
    WindowGuard guard;
    WindowObservation resized = fine();
    resized.geometry = QRect(0, 0, 400, 300);

    // Freshly shown: the window manager is still placing the window.
    guard.noteOwnChange(0ms, 1000ms);
    EXPECT_TRUE(guard.check(resized, KioskWindowMode::FullScreen, 500ms).actions.isEmpty());

    WindowGuard::Step first = guard.check(resized, KioskWindowMode::FullScreen, 1000ms);
    EXPECT_EQ(first.actions, QList<WindowAction>{A::ApplyGeometry});
    EXPECT_EQ(first.logLine, QStringLiteral("Window restored: resized"));
    // The events of its own restoration come back within the settle time: no second restoration.
    EXPECT_TRUE(guard.check(resized, KioskWindowMode::FullScreen, 1100ms).actions.isEmpty());

    // A window manager that insists gets one restoration per check, and one log line in all.
    for (int i = 1; i <= 10; ++i) {
        const WindowGuard::Step again = guard.check(resized, KioskWindowMode::FullScreen, 1000ms + i * 500ms);
        EXPECT_EQ(again.actions, QList<WindowAction>{A::ApplyGeometry}) << i;
        EXPECT_TRUE(again.logLine.isEmpty()) << i;
    }

    // Once the window was right, the same fault is news again; another fault is news at once.
    EXPECT_TRUE(guard.check(fine(), KioskWindowMode::FullScreen, 7000ms).actions.isEmpty());
    EXPECT_EQ(guard.check(resized, KioskWindowMode::FullScreen, 7500ms).logLine, QStringLiteral("Window restored: resized"));
    WindowObservation minimised = fine();
    minimised.minimised = true;
    minimised.mapped = false;
    EXPECT_EQ(guard.check(minimised, KioskWindowMode::FullScreen, 8000ms).logLine, QStringLiteral("Window restored: minimised"));
}

TEST(WindowGuard, FinishesItsOwnShowingWithoutCallingItARestoration)
{
    WindowGuard guard;
    // A compositor that maximises a window which asked for full screen.
    WindowObservation maximised = fine();
    maximised.fullScreen = false;
    maximised.maximised = true;
    guard.noteShown(0ms);
    EXPECT_TRUE(guard.check(maximised, KioskWindowMode::FullScreen, 500ms).actions.isEmpty());
    const WindowGuard::Step settling = guard.check(maximised, KioskWindowMode::FullScreen, 1000ms);
    EXPECT_FALSE(settling.actions.isEmpty());
    EXPECT_TRUE(settling.logLine.isEmpty());
    EXPECT_TRUE(guard.check(fine(), KioskWindowMode::FullScreen, 2000ms).actions.isEmpty());
    // Later the same change is somebody else's doing.
    EXPECT_EQ(guard.check(maximised, KioskWindowMode::FullScreen, 4000ms).logLine, QStringLiteral("Window restored: left full screen"));
}

TEST(WindowGuard, AClockSetBackDoesNotSilenceIt)
{
    WindowGuard guard;
    WindowObservation moved = fine();
    moved.geometry.moveTo(5, 5);
    guard.noteOwnChange(1'000'000ms, 1000ms);
    EXPECT_FALSE(guard.check(moved, KioskWindowMode::FullScreen, 10ms).actions.isEmpty());
}
