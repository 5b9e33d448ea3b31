#include "platform/MockClock.h"
#include "platform/Timer.h"
#include "tests/support/TestHome.h"

#include <QSignalSpy>

#include <chrono>
#include <memory>

using namespace std::chrono_literals;
using korvel::MockClock;
using korvel::Timer;
using korvel::TimerMode;

namespace {
class ClockTest : public korvel::test::TestHome {};
}  // namespace

TEST_F(ClockTest, TasksRunInDueOrderAndSeeTheirDueTime)
{
    const QDateTime start = clock.now();
    QStringList ran;
    clock.schedule(300ms, [&] { ran << QStringLiteral("c@%1").arg(start.msecsTo(clock.now())); });
    clock.schedule(100ms, [&] {
        ran << QStringLiteral("a@%1").arg(start.msecsTo(clock.now()));
        // A task scheduled from a task runs in the same advance when it is due.
        clock.schedule(50ms, [&] { ran << QStringLiteral("b@%1").arg(start.msecsTo(clock.now())); });
    });
    const auto cancelled = clock.schedule(200ms, [&] { ran << QStringLiteral("cancelled"); });
    clock.cancel(cancelled);

    clock.advance(250ms);
    EXPECT_EQ(ran, (QStringList{QStringLiteral("a@100"), QStringLiteral("b@150")}));
    EXPECT_EQ(start.msecsTo(clock.now()), 250);
    clock.advance(50ms);
    EXPECT_EQ(ran.last(), QStringLiteral("c@300"));
    EXPECT_EQ(clock.pendingTasks(), 0u);
}

TEST_F(ClockTest, TimersRepeatRestartAndStop)
{
    Timer repeating;
    QSignalSpy ticks(&repeating, &Timer::timeout);
    repeating.start(10s);
    clock.advance(35s);
    EXPECT_EQ(ticks.count(), 3);

    // Restarting replaces the pending tick: an idle timer reset by a touch.
    clock.advance(4s);
    repeating.start(10s);
    clock.advance(9s);
    EXPECT_EQ(ticks.count(), 3);
    clock.advance(1s);
    EXPECT_EQ(ticks.count(), 4);

    repeating.stop();
    clock.advance(60s);
    EXPECT_EQ(ticks.count(), 4);
    EXPECT_FALSE(repeating.isActive());

    Timer once;
    QSignalSpy fired(&once, &Timer::timeout);
    once.start(15s, TimerMode::SingleShot);
    clock.advance(60s);
    EXPECT_EQ(fired.count(), 1);
    EXPECT_FALSE(once.isActive());
}

TEST_F(ClockTest, DestroyedTimersAndContextsNeverFire)
{
    int calls = 0;
    {
        Timer timer;
        QObject::connect(&timer, &Timer::timeout, [&] { ++calls; });
        timer.start(1s);
    }
    auto context = std::make_unique<QObject>();
    korvel::singleShot(1s, context.get(), [&] { ++calls; });
    korvel::singleShot(1s, nullptr, [&] { calls += 10; });
    context.reset();
    clock.advance(2s);
    EXPECT_EQ(calls, 10);
}
