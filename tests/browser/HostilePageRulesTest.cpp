#include "browser/AboutPageRule.h"
#include "browser/DialogGuard.h"
#include "browser/PrintGuard.h"
#include "browser/HangWatch.h"
#include "browser/RendererRecovery.h"

#include <gtest/gtest.h>

#include <vector>

using namespace korvel;
using namespace std::chrono_literals;

namespace {

const QDateTime start(QDate(2026, 1, 5), QTime(9, 0));

QDateTime at(std::chrono::milliseconds offset)
{
    return start.addMSecs(offset.count());
}

}  // namespace

TEST(DialogGuard, AFourthDialogWithinTenSecondsOfPageTimeSuppressesThePageUntilItNavigates)
{
    using V = DialogGuard::Verdict;
    // Each step: the page asks at `ask`, and a shown dialog stays up for `onScreen`.
    struct Step {
        std::chrono::milliseconds ask;
        std::chrono::milliseconds onScreen;
        V expected;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        bool navigateBeforeLast;
    } cases[] = {
        {"a loop answered at once", {{0ms, 0ms, V::Show}, {10ms, 0ms, V::Show}, {20ms, 0ms, V::Show}, {30ms, 0ms, V::SuppressFromNow}, {40ms, 0ms, V::Suppress}}, false},
        {"a loop answered slowly: the time on screen is not the page's",
         {{0ms, 20s, V::Show}, {20s, 20s, V::Show}, {40s, 20s, V::Show}, {60s, 0ms, V::SuppressFromNow}}, false},
        {"suppression lasts past the ten seconds", {{0ms, 0ms, V::Show}, {1s, 0ms, V::Show}, {2s, 0ms, V::Show}, {3s, 0ms, V::SuppressFromNow}, {60s, 0ms, V::Suppress}}, false},
        {"three in ten seconds, the fourth later", {{0ms, 0ms, V::Show}, {4s, 0ms, V::Show}, {8s, 0ms, V::Show}, {10s, 0ms, V::Show}}, false},
        {"one every four seconds never stops", {{0ms, 0ms, V::Show}, {4s, 0ms, V::Show}, {8s, 0ms, V::Show}, {12s, 0ms, V::Show}, {16s, 0ms, V::Show}}, false},
        {"a navigation counts afresh", {{0ms, 0ms, V::Show}, {1s, 0ms, V::Show}, {2s, 0ms, V::Show}, {3s, 0ms, V::SuppressFromNow}, {4s, 0ms, V::Show}}, true},
    };
    for (const auto& c : cases) {
        DialogGuard guard;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            if (c.navigateBeforeLast && i + 1 == c.steps.size())
                guard.navigated();
            const V verdict = guard.request(at(step.ask));
            EXPECT_EQ(int(verdict), int(step.expected)) << c.name << ", dialog " << i + 1;
            if (verdict == V::Show)
                guard.finished(at(step.ask + step.onScreen));
        }
    }
}

TEST(PrintGuard, PagePrintsNeedAGestureAndAllPrintsAPauseAndSpace)
{
    using V = PrintGuard::Verdict;
    using S = PrintGuard::Source;
    constexpr qint64 MiB = 1024 * 1024;
    struct Step {
        S source;
        std::chrono::milliseconds now;
        std::optional<std::chrono::milliseconds> input;  // last real input
        std::optional<qint64> freeBytes;
        V expected;
        bool log;
        std::optional<qint64> quotaLeft = std::nullopt;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"a script without any input", {{S::Page, 1s, std::nullopt, 1000 * MiB, V::NoUserGesture, true}}},
        {"a script loop logs its refusal once",
         {{S::Page, 1s, std::nullopt, 1000 * MiB, V::NoUserGesture, true}, {S::Page, 2s, std::nullopt, 1000 * MiB, V::NoUserGesture, false}}},
        {"a tap, then print", {{S::Page, 3s, 2s, 1000 * MiB, V::Print, false}}},
        {"a tap five seconds before still counts", {{S::Page, 7s, 2s, 1000 * MiB, V::Print, false}}},
        {"a tap longer ago does not", {{S::Page, 7001ms, 2s, 1000 * MiB, V::NoUserGesture, true}}},
        {"the person's Print needs no page gesture", {{S::Person, 1s, std::nullopt, 1000 * MiB, V::Print, false}}},
        {"ten seconds between prints",
         {{S::Page, 1s, 1s, 1000 * MiB, V::Print, false}, {S::Page, 10999ms, 10s, 1000 * MiB, V::TooSoon, true},
          {S::Person, 11s, 10s, 1000 * MiB, V::Print, false}}},
        {"a file needs 100 MiB free",
         {{S::Person, 1s, std::nullopt, 100 * MiB - 1, V::DiskFull, true}, {S::Person, 2s, std::nullopt, 100 * MiB, V::Print, false}}},
        {"a printer needs no space", {{S::Person, 1s, std::nullopt, std::nullopt, V::Print, false}}},
        {"a file needs room in the visit's quota",
         {{S::Person, 1s, std::nullopt, 1000 * MiB, V::QuotaUsed, true, 0}, {S::Person, 2s, std::nullopt, 1000 * MiB, V::Print, false, 1}}},
        {"a refused print does not start the pause",
         {{S::Page, 1s, std::nullopt, 1000 * MiB, V::NoUserGesture, true}, {S::Page, 2s, 2s, 1000 * MiB, V::Print, false}}},
    };
    for (const auto& c : cases) {
        PrintGuard guard;
        int n = 0;
        for (const Step& step : c.steps) {
            ++n;
            PrintGuard::Request request;
            request.source = step.source;
            request.now = at(step.now);
            request.lastUserInput = step.input ? at(*step.input) : QDateTime();
            request.freeBytes = step.freeBytes;
            request.quotaLeft = step.quotaLeft;
            const PrintGuard::Decision decision = guard.request(request);
            EXPECT_EQ(PrintGuard::describe(decision.verdict), PrintGuard::describe(step.expected)) << c.name << ", request " << n;
            EXPECT_EQ(decision.log, step.log) << c.name << ", request " << n;
        }
    }
}

TEST(RendererRecovery, FiveEndsOfAWebsiteWithinAnHourGoHomeTenRestart)
{
    using A = RendererRecovery::Action;
    struct Step {
        std::chrono::minutes time;
        const char* website;
        A expected;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"four ends reload, the fifth goes home",
         {{0min, "a", A::Reload}, {1min, "a", A::Reload}, {2min, "a", A::Reload}, {3min, "a", A::Reload}, {4min, "a", A::GoHome}}},
        {"five more restart, and counting starts afresh",
         {{0min, "a", A::Reload}, {0min, "a", A::Reload}, {0min, "a", A::Reload}, {0min, "a", A::Reload}, {0min, "a", A::GoHome},
          {1min, "a", A::Reload}, {1min, "a", A::Reload}, {1min, "a", A::Reload}, {1min, "a", A::Reload}, {2min, "a", A::Restart},
          {3min, "a", A::Reload}}},
        {"ends older than an hour no longer count",
         {{0min, "a", A::Reload}, {1min, "a", A::Reload}, {2min, "a", A::Reload}, {3min, "a", A::Reload}, {63min, "a", A::Reload},
          {64min, "a", A::Reload}}},
        {"each website counts its own",
         {{0min, "a", A::Reload}, {0min, "a", A::Reload}, {0min, "b", A::Reload}, {0min, "a", A::Reload}, {0min, "b", A::Reload},
          {0min, "a", A::Reload}, {0min, "a", A::GoHome}}},
    };
    for (const auto& c : cases) {
        RendererRecovery recovery;
        int n = 0;
        for (const Step& step : c.steps) {
            ++n;
            EXPECT_EQ(int(recovery.ended(QString::fromLatin1(step.website), at(step.time))), int(step.expected)) << c.name << ", step " << n;
        }
    }
}

TEST(HangWatch, AProbeUnansweredForTenWatchedSecondsIsAHang)
{
    using A = HangWatch::Action;
    enum Event { Tick, Hidden, Answer, AnswerOlder, Reset };
    struct Step {
        std::chrono::seconds time;
        Event event;
        A expected;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"an answering page is probed again and again",
         {{0s, Tick, A::Probe}, {0s, Answer, A::Wait}, {1s, Tick, A::Probe}, {1s, Answer, A::Wait}, {2s, Tick, A::Probe}}},
        {"ten seconds without an answer",
         {{0s, Tick, A::Probe}, {5s, Tick, A::Wait}, {9s, Tick, A::Wait}, {10s, Tick, A::Hung}, {11s, Tick, A::Probe}}},
        {"hidden time does not count",
         {{0s, Tick, A::Probe}, {5s, Hidden, A::Wait}, {12s, Tick, A::Probe}, {21s, Tick, A::Wait}, {22s, Tick, A::Hung}}},
        {"a navigation forgets the probe on its way",
         {{0s, Tick, A::Probe}, {8s, Reset, A::Wait}, {9s, Tick, A::Probe}, {18s, Tick, A::Wait}}},
        {"an answer to an older probe does not count",
         {{0s, Tick, A::Probe}, {1s, Reset, A::Wait}, {2s, Tick, A::Probe}, {3s, AnswerOlder, A::Wait}, {12s, Tick, A::Hung}}},
    };
    for (const auto& c : cases) {
        HangWatch watch;
        quint64 older = 0;
        int n = 0;
        for (const Step& step : c.steps) {
            ++n;
            A action = A::Wait;
            switch (step.event) {
            case Tick:
                action = watch.tick(at(step.time), true);
                break;
            case Hidden:
                action = watch.tick(at(step.time), false);
                break;
            case Answer:
                watch.answered(watch.probeId());
                break;
            case AnswerOlder:
                watch.answered(older);
                break;
            case Reset:
                older = watch.probeId();
                watch.reset();
                break;
            }
            EXPECT_EQ(int(action), int(step.expected)) << c.name << ", step " << n;
        }
    }
}

TEST(AboutPageRule, AnUnaskedAboutPageGoesBackToThePageBefore)
{
    using A = AboutPageRule::Action;
    const QUrl page(QStringLiteral("http://a.test/news"));
    const struct {
        const char* name;
        const char* committed;
        QUrl lastPage;
        QUrl backEntry;
        bool inUse;
        A expected;
        qint64 sinceRestore = -1;
    } cases[] = {
        {"a web page is no concern", "http://a.test/other", page, page, true, A::Keep},
        {"about:blank from a link", "about:blank", page, page, true, A::GoBack},
        {"about:config as the engine shows it", "about:blank#blocked", page, page, true, A::GoBack},
        {"about:blank that replaced the entry", "about:blank", page, QUrl(QStringLiteral("http://a.test/")), true, A::LoadAgain},
        {"no history to go back to", "about:blank", page, QUrl(), true, A::LoadAgain},
        {"the window blanks itself as it leaves", "about:blank", page, page, false, A::Keep},
        {"nothing was shown before", "about:blank", QUrl(), QUrl(), true, A::Keep},
        {"again right after a restore: no loop", "about:blank", page, page, true, A::GoHome, 9},
        {"again long after a restore", "about:blank", page, page, true, A::GoBack, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(int(AboutPageRule::restore(QUrl(QString::fromLatin1(c.committed)), c.lastPage, c.backEntry, c.inUse, c.sinceRestore)), int(c.expected))
            << c.name;
}
