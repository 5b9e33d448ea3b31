#include "tests/cli/KorvelctlProcess.h"

namespace {

class KorvelctlPowerTest : public korvel::test::KorvelctlProcess {};

}  // namespace

TEST_F(KorvelctlPowerTest, StatusTellsWhatTheScheduleDecidesAndWhenItChanges)
{
    ok({"pref", "set", "EnableSchedulePowerSaver", "true"});
    ok({"pref", "set", "StartTime", "10:00 PM"});
    ok({"pref", "set", "EndTime", "06:00 AM"});
    ok({"pref", "set", "DaySelected", "Mon,Tue"});
    struct Case {
        const char* at;
        const char* decided;
        const char* next;
    } cases[] = {
        {"2026-01-05 23:00", "schedule says: power saving on", "next change: Tue 2026-01-06 06:00 (in 25200 s)"},
        {"2026-01-06 12:00", "schedule says: power saving off", "next change: Tue 2026-01-06 22:00 (in 36000 s)"},
        {"2026-01-07 23:00", "schedule says: power saving off", "next change: none before the next midnight or clock change"},
    };
    for (const Case& c : cases) {
        const QStringList lines = ok({"power", "status", "--at", c.at}).split(QLatin1Char('\n'));
        EXPECT_TRUE(lines.contains(QLatin1String(c.decided))) << c.at << "\n" << qPrintable(lines.join('\n'));
        EXPECT_TRUE(lines.contains(QLatin1String(c.next))) << c.at << "\n" << qPrintable(lines.join('\n'));
        EXPECT_TRUE(lines.contains(QLatin1String("schedule: on, 22:00 to 06:00, Mon,Tue"))) << c.at;
    }
    EXPECT_EQ(ctl({"power", "status", "--at", "tomorrow"}).status, 2);
    EXPECT_EQ(ctl({"power", "off"}).status, 2);
}
