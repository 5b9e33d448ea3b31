// Runs in a private network namespace (unshare -rn), where the test may change links itself.
#include "platform/NetworkChangeWatch.h"
#include "tests/support/EventLoop.h"

#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(NetworkChangeWatch, ReportsALinkComingUpAndGoingDown)
{
    if (qEnvironmentVariableIsSet("KORVEL_NO_NETNS"))
        GTEST_SKIP() << "no private network namespace can be made here";
    korvel::NetworkChangeWatch watch;
    ASSERT_TRUE(watch.isWatching());
    QSignalSpy changed(&watch, &korvel::NetworkChangeWatch::changed);
    for (const char* state : {"up", "down"}) {
        SCOPED_TRACE(state);
        const int before = changed.count();
        ASSERT_EQ(QProcess::execute(QStringLiteral("ip"), {QStringLiteral("link"), QStringLiteral("set"), QStringLiteral("lo"), QLatin1String(state)}), 0);
        EXPECT_TRUE(korvel::test::processEventsUntil([&] { return changed.count() > before; }));
    }
    // Nothing happens, nothing is reported.
    const int settled = changed.count();
    korvel::test::processEventsUntil([] { return false; }, 200);
    EXPECT_EQ(changed.count(), settled);
}
