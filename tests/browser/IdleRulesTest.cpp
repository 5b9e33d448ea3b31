#include "browser/IdleRules.h"
#include "browser/IdleTimer.h"
#include "browser/PowerSaver.h"
#include "browser/PowerSaverSchedule.h"
#include "browser/ScreensaverSource.h"
#include "log/KVLogger.h"
#include "platform/NotificationCenter.h"
#include "settings/KVBrowserPrefSettings.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

using namespace korvel;
using namespace std::chrono_literals;

namespace {

class IdleTest : public test::TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
    }
};

// 2026-01-05 is a Monday.
QDateTime at(int hour, int minute = 0, int second = 0, int dayOffset = 0)
{
    return QDateTime(QDate(2026, 1, 5).addDays(dayOffset), QTime(hour, minute, second));
}

KVBrowserPrefSettings schedule(QTime start, QTime end, QStringList days = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    p.enableScheduleSuspend = true;
    p.startTime = start;
    p.endTime = end;
    QVariantMap selected;
    for (const QString& d : days)
        selected.insert(d, true);
    p.daysSelected = selected;
    return p;
}

QString describe(const PowerSaverDecision& d)
{
    return QStringLiteral("%1 next %2").arg(d.on ? "on" : "off").arg(d.nextCheck ? QString::number(d.nextCheck->count()) : QStringLiteral("none"));
}

}  // namespace

TEST(PowerSaverSchedule, DecidesTheStateAndTheNextLook)
{
    const QTime t22(22, 0), t06(6, 0), t09(9, 0), t17(17, 0);
    struct Case {
        const char* name;
        KVBrowserPrefSettings p;
        QDateTime now;
        const char* expected;
    } cases[] = {
        {"overnight window at 23:00", schedule(t22, t06), at(23), "on next 25200"},
        {"overnight window at 12:00", schedule(t22, t06), at(12), "off next 36000"},
        {"overnight window after midnight", schedule(t22, t06), at(3), "on next 10800"},
        {"overnight window at its start", schedule(t22, t06), at(22), "on next 28800"},
        {"overnight window at its end", schedule(t22, t06), at(6), "off next 57600"},
        {"day window before", schedule(t09, t17), at(8), "off next 3600"},
        {"day window at its start", schedule(t09, t17), at(9), "on next 28800"},
        {"day window inside, seconds ignored", schedule(t09, t17), at(12, 30, 59), "on next 16200"},
        {"day window at its end", schedule(t09, t17), at(17), "off next none"},
        {"day window after", schedule(t09, t17), at(18), "off next none"},
        {"day window a few seconds before", schedule(t09, t17), at(8, 59, 45), "off next 60"},
        {"start equal to end", schedule(t09, t09), at(9), "off next none"},
        {"today not selected", schedule(t09, t17, {"Tue"}), at(12), "off next none"},
        {"days in another language", schedule(t09, t17, {"Mo", "lun.", "Montag"}), at(12), "off next none"},
        {"midnight crosses into a selected day", schedule(t22, t06, {"Tue"}), at(0, 30, 0, 1), "on next 19800"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(describe(PowerSaverSchedule::decide(c.p, c.now)), QString::fromLatin1(c.expected)) << c.name;

    KVBrowserPrefSettings off = schedule(t09, t17);
    off.enableScheduleSuspend = false;
    EXPECT_EQ(describe(PowerSaverSchedule::decide(off, at(12))), QStringLiteral("off next none"));
}

TEST(PowerSaverSchedule, EachDayOfTheWeekIsFoundByItsFixedName)
{
    const QStringList days{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    for (int offset = 0; offset < 7; ++offset) {
        const KVBrowserPrefSettings p = schedule(QTime(9, 0), QTime(17, 0), {days.at(offset)});
        // Only the selected day saves power, whatever the machine's language.
        for (int other = 0; other < 7; ++other)
            EXPECT_EQ(PowerSaverSchedule::decide(p, at(12, 0, 0, other)).on, other == offset) << qPrintable(days.at(offset)) << " on day " << other;
    }
}

TEST(IdleRules, WhichScreensWantATimer)
{
    struct Case {
        const char* name;
        void (*set)(KVBrowserPrefSettings&);
        bool powerSaveOn;
        bool window;
        bool homeAtTop;  // home screen at the top, no folder open
        bool homeInFolder;
    } cases[] = {
        {"nothing configured", [](KVBrowserPrefSettings&) {}, false, false, false, true},
        {"home on idle", [](KVBrowserPrefSettings& p) { p.goHomeOnIdleTimeout = true; }, false, true, false, true},
        {"screensaver", [](KVBrowserPrefSettings& p) { p.enableScreenSaver = true; }, true, true, true, true},
        {"always save power", [](KVBrowserPrefSettings& p) { p.alwaysSavePower = true; }, false, true, true, true},
        {"always save power, already dimmed", [](KVBrowserPrefSettings& p) { p.alwaysSavePower = true; }, true, false, false, true},
        {"schedule", [](KVBrowserPrefSettings& p) { p.enableScheduleSuspend = true; }, false, true, true, true},
        {"schedule, already dimmed", [](KVBrowserPrefSettings& p) { p.enableScheduleSuspend = true; }, true, false, false, true},
    };
    for (const Case& c : cases) {
        KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
        p.idleTimeout = 30;
        c.set(p);
        const auto state = [&](IdleScreen screen, bool isTop, bool categoryOpen) {
            IdleState s;
            s.screen = screen;
            s.isTop = isTop;
            s.categoryOpen = categoryOpen;
            s.powerSaveOn = c.powerSaveOn;
            return s;
        };
        EXPECT_EQ(IdleRules::wantsTimer(p, state(IdleScreen::Window, true, false)), c.window) << c.name;
        EXPECT_EQ(IdleRules::wantsTimer(p, state(IdleScreen::Home, true, false)), c.homeAtTop) << c.name;
        EXPECT_EQ(IdleRules::wantsTimer(p, state(IdleScreen::Home, true, true)), c.homeInFolder) << c.name;
        EXPECT_FALSE(IdleRules::wantsTimer(p, state(IdleScreen::Home, false, true))) << c.name << ": covered home screen";
        EXPECT_EQ(IdleRules::wantsTimer(p, state(IdleScreen::Tabs, true, false)), p.enableScreenSaver) << c.name;
        p.idleTimeout = 9;
        EXPECT_FALSE(IdleRules::wantsTimer(p, state(IdleScreen::Window, true, false))) << c.name << ": timeout below 10 s";
    }
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    for (const auto& [timeout, enabled] : {std::pair{0, false}, {9, false}, {10, true}, {600, true}}) {
        p.idleTimeout = timeout;
        EXPECT_EQ(IdleRules::timersEnabled(p), enabled) << timeout;
    }
}

TEST(IdleRules, TheActionsOfEachScreen)
{
    using A = IdleAction;
    struct Case {
        const char* name;
        void (*set)(KVBrowserPrefSettings&);
        IdleState window;
        QList<IdleAction> windowActions;
        IdleState home;
        QList<IdleAction> homeActions;
        QList<IdleAction> tabsActions;
    };
    const auto window = [](WindowMode mode = WindowMode::SingleWindow, bool menuOpened = false, bool mediaKnown = false, bool powerSaveOn = false) {
        IdleState s;
        s.mode = mode;
        s.menuOpened = menuOpened;
        s.mediaKnown = mediaKnown;
        s.powerSaveOn = powerSaveOn;
        return s;
    };
    const auto home = [](bool categoryOpen = false, bool powerSaveOn = false) {
        IdleState s;
        s.screen = IdleScreen::Home;
        s.categoryOpen = categoryOpen;
        s.powerSaveOn = powerSaveOn;
        return s;
    };
    const QList<IdleAction> logOnly{A::LogIdleTimeExceeded};
    const Case cases[] = {
        {"screensaver, single window", [](KVBrowserPrefSettings& p) { p.enableScreenSaver = true; p.screenSaverURL = "a.png"; },
         window(), {A::StartScreensaver, A::LogIdleTimeExceeded},
         home(), {A::LogIdleTimeExceeded, A::StartScreensaver}, {A::StartScreensaver, A::LogIdleTimeExceeded}},
        {"screensaver, tabbed window", [](KVBrowserPrefSettings& p) { p.enableScreenSaver = true; },
         window(WindowMode::Tabbed), {A::LogIdleTimeExceeded},
         home(), {}, {A::StartScreensaver, A::LogIdleTimeExceeded}},
        {"home on idle with the menu opened and a video", [](KVBrowserPrefSettings& p) { p.goHomeOnIdleTimeout = true; },
         window(WindowMode::SingleWindow, true, true), {A::Home, A::PauseMedia, A::GoHomeUI, A::LogIdleTimeExceeded},
         home(true), {A::LeaveCategory, A::EndVisit}, logOnly},
        {"home on idle, private kiosk", [](KVBrowserPrefSettings& p) { p.goHomeOnIdleTimeout = true; p.privateBrowsing = true; },
         window(), {A::GoHomeUI, A::LogIdleTimeExceeded},
         home(), {A::EndVisit}, logOnly},
        {"home on idle, tabs: the visit ends in every tab", [](KVBrowserPrefSettings& p) { p.goHomeOnIdleTimeout = true; },
         window(WindowMode::Tabbed), {A::EndVisit, A::GoHomeUI, A::LogIdleTimeExceeded},
         home(), {A::EndVisit}, logOnly},
        {"schedule wins over always", [](KVBrowserPrefSettings& p) { p.enableScheduleSuspend = true; p.alwaysSavePower = true; },
         window(), {A::PowerSaverModeSwitch, A::LogIdleTimeExceeded},
         home(), {A::PowerSaverModeSwitch}, logOnly},
        {"always save power", [](KVBrowserPrefSettings& p) { p.alwaysSavePower = true; },
         window(), {A::PowerStateOn, A::LogIdleTimeExceeded},
         home(), {A::PowerStateOn}, logOnly},
        {"already dimmed", [](KVBrowserPrefSettings& p) { p.alwaysSavePower = true; },
         window(WindowMode::SingleWindow, false, false, true), {A::LogIdleTimeExceeded},
         home(false, true), {}, logOnly},
    };
    for (const Case& c : cases) {
        KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
        p.idleTimeout = 30;
        c.set(p);
        IdleState tabs;
        tabs.screen = IdleScreen::Tabs;
        tabs.mode = WindowMode::Tabbed;
        EXPECT_EQ(IdleRules::idleActions(p, c.window), c.windowActions) << c.name;
        EXPECT_EQ(IdleRules::idleActions(p, c.home), c.homeActions) << c.name;
        EXPECT_EQ(IdleRules::idleActions(p, tabs), c.tabsActions) << c.name;
    }
}

TEST_F(IdleTest, TouchesMoveTheIdleActionsToTheLastTouchPlusTheTimeout)
{
    int exceeded = 0;
    IdleTimer timer({[] { return 10.0; }, [] { return true; }, [&] { ++exceeded; }});
    timer.observeEvents();
    timer.reset();
    clock.advance(5s);
    NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
    clock.advance(3s);
    NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
    // Touches never add timers: one wake-up at 10 s, which finds 8 s missing.
    EXPECT_EQ(clock.pendingTasks(), 1u);
    clock.advance(9999ms);
    EXPECT_EQ(exceeded, 0);
    clock.advance(1ms);
    EXPECT_EQ(exceeded, 1) << "at 18 s";
    EXPECT_FALSE(timer.isActive()) << "no timer until the next touch";
    EXPECT_EQ(timer.interval(), 10.0);
    clock.advance(60s);
    EXPECT_EQ(exceeded, 1);

    // Not wanted: a touch starts nothing.
    IdleTimer unwanted({[] { return 10.0; }, [] { return false; }, [&] { ++exceeded; }});
    unwanted.reset();
    EXPECT_FALSE(unwanted.isActive());
}

TEST_F(IdleTest, ThePowerSaverFollowsItsScheduleWithOneLookPending)
{
    PowerSaver saver;
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    p = schedule(QTime(22, 0), QTime(6, 0));
    p.brightness = 0.8f;
    clock.setNow(at(23));
    saver.powerSaverModeSwitch();
    saver.powerSaverModeSwitch();
    EXPECT_TRUE(saver.powerSaveOn());
    EXPECT_EQ(device.brightness, 0.0);
    EXPECT_EQ(clock.pendingTasks(), 1u);
    clock.advance(7h);
    EXPECT_FALSE(saver.powerSaveOn());
    EXPECT_FLOAT_EQ(device.brightness, 0.8);
    EXPECT_TRUE(saver.checkPending()) << "the next start, 16 hours on";
    // The second switch within the minute is folded into the first line's count.
    EXPECT_EQ(loggedEvents(QStringLiteral("App General")),
              (QStringList{"Power Saver On", "Power Saver On ... repeated 1 times", "Power Saver Off"}));
}

namespace {

class NoBacklight final : public Device {
public:
    bool setScreenBrightness(double) override { return false; }
};

}  // namespace

TEST_F(IdleTest, WithoutABacklightTheScreenIsDarkenedInSoftware)
{
    NoBacklight panel;
    Device::setCurrent(&panel);
    PowerSaver saver;
    QList<bool> dimmer;
    saver.setSoftwareDimmer([&](bool dark) { dimmer << dark; });
    saver.powerStateOn();
    EXPECT_TRUE(saver.softwareDimmed());
    saver.powerStateOff();
    saver.powerStateOff();
    EXPECT_EQ(dimmer, (QList<bool>{true, false}));
    Device::setCurrent(&device);
}

TEST(ScreensaverSource, TheEndingDecidesInTheCaseTyped)
{
    struct Case {
        const char* setting;
        ScreensaverKind kind;
    } cases[] = {
        {"", ScreensaverKind::None},
        {"loop.mp4", ScreensaverKind::Video},
        {"https://media.test/clip.mov", ScreensaverKind::Video},
        {"clip.3gp", ScreensaverKind::Video},
        {"clip.mpv", ScreensaverKind::Video},
        {"LOOP.MP4", ScreensaverKind::WebPage},
        {"clip.Mov", ScreensaverKind::WebPage},
        {"poster.jpg", ScreensaverKind::Image},
        {"poster.png", ScreensaverKind::Image},
        {"poster.tif", ScreensaverKind::Image},
        {"poster.jpeg", ScreensaverKind::WebPage},
        {"https://news.test/", ScreensaverKind::WebPage},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScreensaverSource::kind(QString::fromLatin1(c.setting)), c.kind) << c.setting;
}
