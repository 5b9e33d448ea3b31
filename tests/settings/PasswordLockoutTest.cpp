#include "settings/PasswordLockout.h"
#include "tests/support/TestHome.h"


using korvel::PasswordLockout;

namespace {

class PasswordLockoutTest : public korvel::test::TestHome {};

enum class Action { Fail, Succeed, Restart, RestartFromDamagedFile, None };

// Each step first asks how long attempts are refused at its time, then does its action (a refused
// attempt does nothing: it is never checked, so it is neither a failure nor a success).
struct Step {
    const char* name;
    qint64 atMs;  // since the first step
    Action action;
    qint64 refusedFor;  // seconds, asked before the action
    int failuresAfter;
};

}  // namespace

TEST_F(PasswordLockoutTest, PausesFromTheFifthWrongPasswordDoublingUpToFifteenMinutes)
{
    const Step steps[] = {
        {"1st wrong", 0, Action::Fail, 0, 1},
        {"2nd wrong", 1000, Action::Fail, 0, 2},
        {"3rd wrong", 2000, Action::Fail, 0, 3},
        {"4th wrong", 3000, Action::Fail, 0, 4},
        {"5th wrong starts 30 s", 4000, Action::Fail, 0, 5},
        {"refused right after", 4001, Action::Fail, 30, 5},
        {"the pause survives a restart", 20000, Action::Restart, 14, 5},
        {"whole seconds, rounded up", 33500, Action::Succeed, 1, 5},
        {"6th wrong once the pause is over: 60 s", 34000, Action::Fail, 0, 6},
        {"7th: 120 s", 94000, Action::Fail, 0, 7},
        {"8th: 240 s", 214000, Action::Fail, 0, 8},
        {"9th: 480 s", 454000, Action::Fail, 0, 9},
        {"10th: 960 s is more than 15 minutes", 934000, Action::Fail, 0, 10},
        {"so it is 15 minutes", 934000, Action::None, 900, 10},
        {"11th: still 15 minutes", 1834000, Action::Fail, 0, 11},
        {"a clock set back starts the pause again, no longer", 1000000, Action::None, 900, 11},
        {"and counts from then", 1899000, Action::None, 1, 11},
        {"a right password ends the series", 1900000, Action::Succeed, 0, 0},
        {"so one wrong one pauses nothing", 1901000, Action::Fail, 0, 1},
        {"a restart keeps the count", 1902000, Action::Restart, 0, 1},
        {"four more make five again: 2nd", 1903000, Action::Fail, 0, 2},
        {"3rd", 1904000, Action::Fail, 0, 3},
        {"4th", 1905000, Action::Fail, 0, 4},
        {"5th", 1906000, Action::Fail, 0, 5},
        {"paused again", 1907000, Action::None, 29, 5},
        {"a file that cannot be read pauses as five failures now", 5000000, Action::RestartFromDamagedFile, 30, 5},
    };
    const QDateTime start = clock.now();
    const QString file = PasswordLockout::standardFile();
    PasswordLockout lockout = PasswordLockout::load(file, start);
    EXPECT_EQ(lockout.failures(), 0) << "no file, no failures";
    for (const Step& step : steps) {
        const QDateTime now = start.addMSecs(step.atMs);
        if (step.action == Action::Restart) {
            ASSERT_TRUE(lockout.save(file)) << step.name;
            lockout = PasswordLockout::load(file, now);
        } else if (step.action == Action::RestartFromDamagedFile) {
            ASSERT_TRUE(korvel::test::writeFile(file, "garbage"));
            lockout = PasswordLockout::load(file, now);
        }
        const qint64 refused = lockout.refusal(now).count();
        EXPECT_EQ(refused, step.refusedFor) << step.name;
        if (refused == 0 && step.action == Action::Fail)
            lockout.recordFailure(now);
        if (refused == 0 && step.action == Action::Succeed)
            lockout.recordSuccess();
        EXPECT_EQ(lockout.failures(), step.failuresAfter) << step.name;
    }
}
