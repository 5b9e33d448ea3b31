#include "browser/DailyRestart.h"
#include "browser/EngineProxy.h"
#include "browser/FrameClock.h"
#include "browser/FrameWatch.h"
#include "browser/LoadRetry.h"
#include "browser/LoadStall.h"
#include "browser/MemoryGuard.h"

#include <gtest/gtest.h>

using namespace korvel;

namespace {

const QDateTime start = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);
QDateTime at(int seconds)
{
    return start.addSecs(seconds);
}

}  // namespace

TEST(LoadRetry, BacksOffReloadsWhenTheHostAnswersAgainAndStopsOnceLoaded)
{
    enum Event { Fail, FailOther, Due, ProbeYes, ProbeNo, ByHand, Loaded };
    using A = LoadRetry::Action;
    struct Step {
        int second;
        Event event;
        A expected;      // of Due and the probes
        int secondsLeft;  // afterwards
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"first try after 5 s, the next after 10 s",
         {{0, Fail, A::Wait, 5}, {4, Due, A::Wait, 1}, {5, Due, A::Reload, 10}, {6, Fail, A::Wait, 10}, {15, Due, A::Wait, 1}, {16, Due, A::Reload, 20}}},
        {"a reload that never reports is tried again later",
         {{0, Fail, A::Wait, 5}, {5, Due, A::Reload, 10}, {14, Due, A::Wait, 1}, {15, Due, A::Reload, 10}}},
        {"a host that answers all along does not hurry the schedule",
         {{0, Fail, A::Wait, 5}, {3, ProbeYes, A::Wait, 2}, {4, ProbeYes, A::Wait, 1}}},
        {"a host back after silence reloads at once, once",
         {{0, Fail, A::Wait, 5}, {3, ProbeNo, A::Wait, 2}, {4, ProbeYes, A::Reload, 5}, {7, ProbeYes, A::Wait, 2}}},
        {"the page loaded: no more tries",
         {{0, Fail, A::Wait, 5}, {2, Loaded, A::Wait, 0}, {500, Due, A::Wait, 0}, {501, ProbeNo, A::Wait, 0}, {502, ProbeYes, A::Wait, 0}}},
        {"Try again starts the wait over",
         {{0, Fail, A::Wait, 5}, {5, Due, A::Reload, 10}, {6, Fail, A::Wait, 10}, {12, ByHand, A::Wait, 10}, {21, Due, A::Wait, 1}, {22, Due, A::Reload, 20}}},
        {"another address failing starts a new series",
         {{0, Fail, A::Wait, 5}, {6, Fail, A::Wait, 10}, {7, FailOther, A::Wait, 5}}},
    };
    for (const auto& c : cases) {
        LoadRetry retry;
        for (const Step& s : c.steps) {
            A action = A::Wait;
            switch (s.event) {
            case Fail:
                retry.failed(QUrl(QStringLiteral("http://site.test/")), at(s.second));
                break;
            case FailOther:
                retry.failed(QUrl(QStringLiteral("http://other.test/")), at(s.second));
                break;
            case Due:
                action = retry.due(at(s.second));
                break;
            case ProbeYes:
            case ProbeNo:
                action = retry.probed(s.event == ProbeYes, at(s.second));
                break;
            case ByHand:
                retry.triedByHand(at(s.second));
                break;
            case Loaded:
                retry.loaded();
                break;
            }
            EXPECT_EQ(action, s.expected) << c.name << " at " << s.second << " s";
            EXPECT_EQ(retry.secondsLeft(at(s.second)), s.secondsLeft) << c.name << " at " << s.second << " s";
        }
    }
}

TEST(LoadRetry, WaitsDoubleFromFiveSecondsToFiveMinutes)
{
    std::vector<long> waits;
    for (int failures : {1, 2, 3, 4, 5, 6, 7, 8, 1000})
        waits.push_back(long(LoadRetry::wait(failures).count()));
    EXPECT_EQ(waits, (std::vector<long>{5, 10, 20, 40, 80, 160, 300, 300, 300}));
}

TEST(EngineProxy, TheHostIsKnockedAtAlongTheEnginesRoad)
{
    struct Case {
        const char* flags;        // as in QTWEBENGINE_CHROMIUM_FLAGS
        QStringList environment;  // "name=value"
        const char* url;
        const char* expected;  // "type host:port", "" for direct, "?" for a road a socket cannot follow
        std::optional<QNetworkProxy> application = std::nullopt;
    };
    const Case cases[] = {
        // The switches
        {"", {}, "http://www.example.org/", ""},
        {"--proxy-server=127.0.0.1:3128", {}, "https://www.example.org/", "http 127.0.0.1:3128"},
        {"--proxy-server=a:1 -proxy-server=http://b", {}, "http://www.example.org/", "http b:80"},
        {"--proxy-server=socks5://s:9050", {}, "http://www.example.org/", "socks5 s:9050"},
        {"--proxy-server=socks://s", {}, "http://www.example.org/", "socks5 s:1080"},
        {"--proxy-server=http=h:8080;https=direct://", {}, "http://www.example.org/", "http h:8080"},
        {"--proxy-server=http=h:8080;https=direct://", {}, "https://www.example.org/", ""},
        {"--proxy-server=http=h:8080;socks=s:1080", {}, "https://www.example.org/", "?"},
        {"--proxy-server=http=h:8080;socks=socks5://s", {}, "https://www.example.org/", "socks5 s:1080"},
        {"--proxy-server=https://p:443", {}, "http://www.example.org/", "?"},
        {"--proxy-server=p:1,q:2", {}, "http://www.example.org/", "http p:1"},
        {"--proxy-server=", {"http_proxy=e:2"}, "http://www.example.org/", ""},
        {"--proxy-server=p:1 --proxy-pac-url=file:///etc/kiosk.pac", {}, "http://www.example.org/", "?"},
        {"--proxy-auto-detect", {"http_proxy=e:2"}, "http://www.example.org/", "?"},
        {"--proxy-server=p:1 --no-proxy-server", {"http_proxy=e:2"}, "http://www.example.org/", ""},
        // The bypass list of the switches: no suffix matching; loopback is direct unless "<-loopback>"
        {R"(--proxy-server=p:1 --proxy-bypass-list="*.example.org; <local>")", {}, "http://www.example.org/", ""},
        {R"(--proxy-server=p:1 --proxy-bypass-list="*.example.org; <local>")", {}, "http://intranet/", ""},
        {"--proxy-server=p:1 --proxy-bypass-list=*.example.org", {}, "http://example.org/", "http p:1"},
        {"--proxy-server=p:1 --proxy-bypass-list=example.org", {}, "http://www.example.org/", "http p:1"},
        {"--proxy-server=p:1 --proxy-bypass-list=https://*", {}, "http://www.example.org/", "http p:1"},
        {"--proxy-server=p:1 --proxy-bypass-list=w?w.*.org", {}, "http://www.example.org/", ""},
        {"--proxy-server=p:1 --proxy-bypass-list=w?w.*.org", {}, "http://www.example.com/", "http p:1"},
        {"--proxy-server=p:1", {}, "http://127.0.0.1:8080/", ""},
        {"--proxy-server=p:1", {}, "http://app.localhost/", ""},
        {"--proxy-server=p:1 --proxy-bypass-list=<-loopback>", {}, "http://127.0.0.1:8080/", "http p:1"},
        {"--proxy-bypass-list=www.example.org", {"http_proxy=e:2"}, "http://www.example.org/", "http e:2"},
        // The environment, when no switch decides
        {"", {"http_proxy=http://e:3128/"}, "http://www.example.org/", "http e:3128"},
        {"", {"http_proxy=http://e:3128/"}, "https://www.example.org/", ""},
        {"", {"HTTPS_PROXY=e:8443"}, "https://www.example.org/", "http e:8443"},
        {"", {"http_proxy=a:1", "HTTP_PROXY=b:2"}, "http://www.example.org/", "http a:1"},
        {"", {"http_proxy=", "HTTP_PROXY=b:2"}, "http://www.example.org/", ""},
        {"--proxy-server=s:1", {"http_proxy=e:2"}, "http://www.example.org/", "http s:1"},
        {"", {"http_proxy=http://user:secret@e:3128"}, "http://www.example.org/", "http e:3128"},
        {"", {"all_proxy=a:1", "http_proxy=e:2"}, "https://www.example.org/", "http a:1"},
        {"", {"all_proxy=a:1/path", "http_proxy=e:2"}, "http://www.example.org/", "http e:2"},
        {"", {"all_proxy=socks5://s:1080"}, "http://www.example.org/", "http s:1080"},
        {"", {"SOCKS_SERVER=s"}, "https://www.example.org/", "socks5 s:1080"},
        {"", {"SOCKS_SERVER=s", "SOCKS_VERSION=4"}, "https://www.example.org/", "?"},
        {"", {"SOCKS_SERVER=s", "https_proxy=e:2"}, "http://www.example.org/", ""},
        {"", {"auto_proxy=", "http_proxy=e:2"}, "http://www.example.org/", "?"},
        // no_proxy: suffixes, "*", ports, addresses and blocks
        {"", {"http_proxy=e:2", "no_proxy=localdomain, example.org"}, "http://www.example.org/", ""},
        {"", {"http_proxy=e:2", "NO_PROXY=.example.org"}, "http://www.example.org/", ""},
        {"", {"http_proxy=e:2", "no_proxy=other.org"}, "http://www.example.org/", "http e:2"},
        {"", {"http_proxy=e:2", "no_proxy=*"}, "http://www.example.org/", ""},
        {"", {"http_proxy=e:2", "no_proxy=www.example.org:8080"}, "http://www.example.org/", "http e:2"},
        {"", {"http_proxy=e:2", "no_proxy=www.example.org:80"}, "http://www.example.org/", ""},
        {"", {"http_proxy=e:2", "no_proxy=192.0.2.1"}, "http://192.0.2.1/", ""},
        {"", {"http_proxy=e:2", "no_proxy=192.0.2.0/24,[2001:db8::1]"}, "http://[2001:db8::1]/", ""},
        {"", {"http_proxy=e:2", "no_proxy=192.0.2.0/24"}, "http://192.0.3.1/", "http e:2"},
        // An application proxy is followed alone, but not for simple host names
        {"--proxy-server=s:1", {"http_proxy=e:2"}, "http://www.example.org/", "http h:3128",
         QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("h"), 3128)},
        {"", {}, "http://intranet/", "", QNetworkProxy(QNetworkProxy::Socks5Proxy, QStringLiteral("h"), 1080)},
    };
    for (const Case& c : cases) {
        EngineProxy::Sources sources{EngineProxy::splitFlags(QString::fromLatin1(c.flags)), {}, c.application};
        for (const QString& variable : c.environment)
            sources.environment.insert(variable.section(QLatin1Char('='), 0, 0), variable.section(QLatin1Char('='), 1));
        bool understood = true;
        const std::optional<EngineProxy> proxy = EngineProxy::forUrl(sources, QUrl(QString::fromLatin1(c.url)), &understood);
        const QString got = !understood ? QStringLiteral("?")
            : !proxy ? QString()
            : QStringLiteral("%1 %2:%3").arg(proxy->type == EngineProxy::Type::Http ? "http" : "socks5", proxy->host).arg(proxy->port);
        EXPECT_EQ(got, QString::fromLatin1(c.expected)) << c.flags << " | " << qPrintable(c.environment.join(QLatin1Char(' '))) << " | " << c.url;
    }
}

TEST(LoadStall, LoadsAgainALoadWithoutAnswerWaitingLongerEachTime)
{
    enum Event { Start, Answer, Tick, Again };
    using A = LoadStall::Action;
    const QUrl page(QStringLiteral("https://example.org/")), other(QStringLiteral("https://example.com/"));
    struct Step {
        int second;
        Event event;
        A expected = A::Wait;  // of Tick
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"an answer within 10 s ends the watch", {{0, Start}, {9, Tick}, {9, Answer}, {60, Tick}}},
        {"no answer: loaded again after 10 s, then 20 s, then 40 s",
         {{0, Start}, {9, Tick}, {10, Tick, A::LoadAgain}, {10, Again}, {29, Tick}, {30, Tick, A::LoadAgain}, {30, Again},
          {69, Tick}, {70, Tick, A::LoadAgain}}},
        {"a new load by someone else starts the series over",
         {{0, Start}, {10, Tick, A::LoadAgain}, {10, Again}, {12, Start}, {21, Tick}, {22, Tick, A::LoadAgain}}},
        {"the load the watch began counts as its own even when slow to start",
         {{0, Start}, {10, Tick, A::LoadAgain}, {11, Again}, {30, Tick}, {31, Tick, A::LoadAgain}}},
        {"nothing started, nothing to do", {{100, Tick}}},
    };
    for (const auto& c : cases) {
        LoadStall stall;
        for (const Step& s : c.steps) {
            switch (s.event) {
            case Start:
                stall.started(s.second == 12 ? other : page, at(s.second));
                break;
            case Answer:
                stall.answered();
                break;
            case Again:
                stall.started(stall.url(), at(s.second));
                break;
            case Tick:
                EXPECT_EQ(stall.tick(at(s.second)), s.expected) << c.name << " at " << s.second << " s";
                break;
            }
        }
    }
    EXPECT_EQ(LoadStall::wait(0), std::chrono::seconds(10));
    EXPECT_EQ(LoadStall::wait(20), LoadStall::longestWait);
}

TEST(MemoryGuard, ALimitPastReloadsOnlyWhenNobodyTouchesAndThenRests)
{
    constexpr qint64 MiB = MemoryGuard::mebibyte;
    EXPECT_EQ(MemoryGuard::limitBytes(0, 8192 * MiB), 1024 * MiB);
    EXPECT_EQ(MemoryGuard::limitBytes(0, 1024 * MiB), 512 * MiB);
    EXPECT_EQ(MemoryGuard::limitBytes(0, 0), 1024 * MiB) << "memory unknown";
    EXPECT_EQ(MemoryGuard::limitBytes(300, 1024 * MiB), 300 * MiB);

    using A = MemoryGuard::Action;
    struct Step {
        int second;
        qint64 mib;
        int touchedAt;  // -1: nobody touched yet
        A expected;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"under the limit nothing happens", {{0, 99, -1, A::Keep}, {10, 100, -1, A::Keep}}},
        {"past it, reloaded at once when nobody touched", {{0, 101, -1, A::Reload}}},
        {"under a finger it waits for a quiet minute", {{0, 150, -1, A::Reload}, {700, 150, 690, A::Keep}, {740, 150, 690, A::Keep}, {750, 150, 690, A::Reload}}},
        {"a page that stays large is not reloaded again for ten minutes",
         {{0, 150, -1, A::Reload}, {10, 150, -1, A::Keep}, {599, 150, -1, A::Keep}, {600, 150, -1, A::Reload}}},
    };
    for (const auto& c : cases) {
        MemoryGuard guard;
        for (const auto& s : c.steps) {
            const QDateTime touched = s.touchedAt < 0 ? QDateTime() : at(s.touchedAt);
            EXPECT_EQ(guard.sample(s.mib * MiB, 100 * MiB, touched, at(s.second), std::chrono::seconds(60)), s.expected) << c.name << " at " << s.second;
        }
    }
}

TEST(DailyRestart, RestartsOnceADayAtTheTimeWhenIdleElseAtTheNextIdleMoment)
{
    EXPECT_EQ(DailyRestart::parse(QStringLiteral("03:30")), QTime(3, 30));
    EXPECT_EQ(DailyRestart::parse(QStringLiteral("23:59")), QTime(23, 59));
    for (const char* bad : {"", "24:00", "3:30", "03:60", "03:30 AM", "noon"})
        EXPECT_FALSE(DailyRestart::parse(QString::fromLatin1(bad))) << bad;

    const QDateTime started(QDate(2026, 12, 7), QTime(10, 0));
    const auto t = [&](int day, int h, int m) { return QDateTime(QDate(2026, 12, 7 + day), QTime(h, m)); };
    using A = DailyRestart::Action;
    const struct {
        const char* name;
        const char* setting;
        QDateTime now;
        QDateTime lastInput;
        A expected;
    } cases[] = {
        {"off", "", t(1, 3, 0), QDateTime(), A::Wait},
        {"before the time", "03:00", t(1, 2, 59), QDateTime(), A::Wait},
        {"at the time, idle", "03:00", t(1, 3, 0), t(1, 2, 0), A::Restart},
        {"the same day's time already past at the start waits for the next day", "09:00", t(0, 11, 0), QDateTime(), A::Wait},
        {"later that day", "11:00", t(0, 11, 0), QDateTime(), A::Restart},
        {"in use at the time", "03:00", t(1, 3, 0), t(1, 2, 59), A::Wait},
        {"the next idle moment after it", "03:00", t(1, 3, 10), t(1, 3, 8), A::Restart},
        {"still busy", "03:00", t(1, 3, 10), t(1, 3, 9), A::Wait},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DailyRestart::decide(DailyRestart::parse(QString::fromLatin1(c.setting)), started, c.now, c.lastInput, std::chrono::seconds(120)),
                  c.expected)
            << c.name;
}

TEST(FrameWatch, AsksForFramesWhileStillAndShowsAgainAWindowSilentFor30sOfDrawing)
{
    using A = FrameWatch::Action;
    struct Step {
        int second;
        bool shouldDraw;
        int lastFrame;  // second of the last frame; < 0: none yet
        A expected;
    };
    // One watch through a kiosk's day: frames, a still page, sleep, a frozen window, a clock set back.
    const Step steps[] = {
        {0, true, -1, A::Wait},     // just shown: the wait starts now
        {9, true, -1, A::Wait},
        {10, true, -1, A::Poke},    // nothing yet: ask for a frame
        {15, true, -1, A::Wait},    // asked 5 s ago
        {16, true, 10, A::Wait},    // the frame came
        {26, true, 10, A::Poke},    // a still page: asked again every 10 s
        {27, true, 26, A::Wait},
        {40, false, 26, A::Wait},   // asleep: silence is right
        {100, false, 26, A::Wait},
        {101, true, 26, A::Wait},   // awake: counted from waking, not from the last frame
        {111, true, 26, A::Poke},
        {121, true, 26, A::Poke},
        {130, true, 26, A::Wait},
        {131, true, 26, A::Reshow}, // 30 s of drawing time without a frame
        {140, true, 26, A::Wait},   // the showing starts the wait afresh
        {141, true, 26, A::Poke},
        {161, true, 26, A::Reshow}, // still frozen: shown again, once per 30 s
        {162, true, 162, A::Wait},  // back
        {50, true, 162, A::Wait},   // the clock set back: a frame "from the future" is no frame, wait anew
        {60, true, 162, A::Poke},
        {80, true, 162, A::Reshow},
    };
    FrameWatch watch;
    for (const Step& s : steps) {
        const QDateTime frame = s.lastFrame < 0 ? QDateTime() : at(s.lastFrame);
        EXPECT_EQ(watch.tick(at(s.second), s.shouldDraw, frame), s.expected) << "at " << s.second;
    }
}

TEST(FrameClock, EveryLiveWindowsLastFrameIsReadable)
{
    const qsizetype before = FrameClock::all().size();
    {
        FrameClock main(QStringLiteral("main"));
        FrameClock popup(QStringLiteral("popup"));
        EXPECT_EQ(main.ageMs(at(0)), -1);
        main.framePainted(at(0));
        EXPECT_EQ(main.ageMs(at(3)), 3000);
        EXPECT_EQ(FrameClock::all().size(), before + 2);
        EXPECT_EQ(FrameClock::all().at(before), &main);
    }
    EXPECT_EQ(FrameClock::all().size(), before);
}
