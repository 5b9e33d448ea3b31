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
        {"on every desktop, as shown", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.desktop = everyDesktop;
             o.currentDesktop = 1;
         },
         {}, {}},
        {"moved to a desktop that is not shown: unmapped for that", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.desktop = 2;
             o.currentDesktop = 0;
             o.mapped = false;
         },
         {F::OtherDesktop}, {A::ShowOnEveryDesktop, A::Raise, A::Activate}},
        {"on the shown desktop only: the next switch would hide it", KioskWindowMode::FullScreen,
         [](WindowObservation& o) {
             o.desktop = 0;
             o.currentDesktop = 0;
         },
         {F::NotOnEveryDesktop}, {A::ShowOnEveryDesktop, A::Raise, A::Activate}},
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

// A restoration is logged once the window is seen right again, one line for a run of faults
// however often a window manager insists; a window that does not come back is said to be so once.
TEST(WindowGuard, LogsARestorationOnceTheWindowIsBack)
{
    WindowGuard guard;
    WindowObservation resized = fine();
    resized.geometry = QRect(0, 0, 400, 300);
    WindowObservation elsewhere = fine();
    elsewhere.desktop = 1;
    elsewhere.currentDesktop = 0;
    elsewhere.mapped = false;
    using Check = std::pair<WindowObservation, std::chrono::milliseconds>;
    const struct {
        const char* name;
        std::vector<Check> checks;
        QList<WindowAction> firstActions;
        QStringList logged;
    } cases[] = {
        {"resized, then right", {{resized, 0ms}, {fine(), 300ms}}, {A::ApplyGeometry}, {"Window restored: resized"}},
        {"asked to come back, not back yet", {{elsewhere, 0ms}, {elsewhere, 300ms}}, {A::ShowOnEveryDesktop, A::Raise, A::Activate}, {}},
        {"back from another desktop", {{elsewhere, 0ms}, {fine(), 300ms}}, {A::ShowOnEveryDesktop, A::Raise, A::Activate},
         {"Window restored: on another desktop"}},
        {"a window manager that insists, then gives in",
         {{resized, 0ms}, {resized, 300ms}, {resized, 600ms}, {elsewhere, 900ms}, {fine(), 1200ms}}, {A::ApplyGeometry},
         {"Window restored: resized"}},
        {"never back", {{elsewhere, 0ms}, {elsewhere, 2000ms}, {elsewhere, 5000ms}, {elsewhere, 9000ms}},
         {A::ShowOnEveryDesktop, A::Raise, A::Activate}, {"Window not restored: on another desktop"}},
        {"two runs, two lines", {{resized, 0ms}, {fine(), 300ms}, {resized, 600ms}, {fine(), 900ms}}, {A::ApplyGeometry},
         {"Window restored: resized", "Window restored: resized"}},
    };
    for (const auto& c : cases) {
        WindowGuard guard;
        QStringList logged;
        for (size_t i = 0; i < c.checks.size(); ++i) {
            const WindowGuard::Step step = guard.check(c.checks[i].first, KioskWindowMode::FullScreen, c.checks[i].second + 10s);
            if (i == 0) {
                EXPECT_EQ(step.actions, c.firstActions) << c.name;
            }
            if (!step.logLine.isEmpty())
                logged << step.logLine;
        }
        EXPECT_EQ(logged, c.logged) << c.name;
    }

    // Its own restoration's events come back within the settle time: no second restoration.
    guard.noteOwnChange(0ms, 1000ms);
    EXPECT_TRUE(guard.check(resized, KioskWindowMode::FullScreen, 500ms).actions.isEmpty());
    EXPECT_EQ(guard.check(resized, KioskWindowMode::FullScreen, 1000ms).actions, QList<WindowAction>{A::ApplyGeometry});
    EXPECT_TRUE(guard.check(resized, KioskWindowMode::FullScreen, 1100ms).actions.isEmpty());
    EXPECT_EQ(guard.check(resized, KioskWindowMode::FullScreen, 1300ms).actions, QList<WindowAction>{A::ApplyGeometry});
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
    EXPECT_TRUE(guard.check(fine(), KioskWindowMode::FullScreen, 2000ms).logLine.isEmpty());
    // Later the same change is somebody else's doing.
    EXPECT_FALSE(guard.check(maximised, KioskWindowMode::FullScreen, 4000ms).actions.isEmpty());
    EXPECT_EQ(guard.check(fine(), KioskWindowMode::FullScreen, 4300ms).logLine, QStringLiteral("Window restored: left full screen"));
}

TEST(WindowGuard, AClockSetBackDoesNotSilenceIt)
{
    WindowGuard guard;
    WindowObservation moved = fine();
    moved.geometry.moveTo(5, 5);
    guard.noteOwnChange(1'000'000ms, 1000ms);
    EXPECT_FALSE(guard.check(moved, KioskWindowMode::FullScreen, 10ms).actions.isEmpty());
}
