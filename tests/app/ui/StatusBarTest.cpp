#include "app/StatusLine.h"
#include "app/ui/KVStatusBar.h"
#include "platform/FakeReachabilityBackend.h"
#include "platform/Reachability.h"
#include "tests/support/WindowTest.h"

using namespace korvel;
using namespace std::chrono_literals;

namespace {

QDateTime local(int h, int m, int s, int ms = 0)
{
    return QDateTime(QDate(2026, 12, 6), QTime(h, m, s, ms), Qt::LocalTime);
}

class StatusBarTest : public test::WindowTest {};

}  // namespace

TEST(StatusLine, ClockAndNetworkTexts)
{
    struct Case {
        QDateTime now;
        NetworkStatus status;
        const char* clock;
        const char* network;
    } cases[] = {
        {local(0, 0, 0), NetworkStatus::ReachableViaWiFi, "00:00", "Wi-Fi"},
        {local(9, 5, 59, 999), NetworkStatus::ReachableViaWWAN, "09:05", "Cellular"},
        {local(23, 59, 30), NetworkStatus::NotReachable, "23:59", "No Network"},
    };
    for (const Case& c : cases) {
        const StatusLine line = StatusLine::make(c.now, c.status);
        EXPECT_EQ(line.clock, QString::fromLatin1(c.clock));
        EXPECT_EQ(line.network, QString::fromLatin1(c.network));
    }
    EXPECT_EQ(StatusLine::untilNextMinute(local(10, 0, 0)), 60'000ms);
    EXPECT_EQ(StatusLine::untilNextMinute(local(10, 0, 59, 999)), 1ms);
    EXPECT_EQ(StatusLine::untilNextMinute(local(10, 0, 15, 500)), 44'500ms);
}

TEST_F(StatusBarTest, FollowsTheMinuteAndTheNetwork)
{
    clock.setNow(local(8, 41, 50));
    FakeReachabilityBackend::install(NetworkStatus::ReachableViaWiFi);
    std::unique_ptr<Reachability> monitor(Reachability::reachabilityWithHostName(QStringLiteral("example.org")));
    monitor->startNotifier();
    KVStatusBar bar(monitor.get());
    EXPECT_EQ(bar.clockText(), QStringLiteral("08:41"));
    EXPECT_EQ(bar.networkText(), QStringLiteral("Wi-Fi"));

    clock.advance(9'999ms);
    EXPECT_EQ(bar.clockText(), QStringLiteral("08:41"));
    clock.advance(1ms);
    EXPECT_EQ(bar.clockText(), QStringLiteral("08:42"));
    clock.advance(60s);
    EXPECT_EQ(bar.clockText(), QStringLiteral("08:43"));

    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::NotReachable);
    EXPECT_EQ(bar.networkText(), QStringLiteral("No Network"));
    monitor.reset();
    Reachability::setBackendFactory({});
}
