#include "platform/Paths.h"
#include "settings/PasswordLockout.h"
#include "settings/PasswordStore.h"
#include "tests/cli/KorvelctlProcess.h"

#include <QFile>

#include <functional>

using korvel::PasswordCheck;
using korvel::PasswordStore;
using korvel::test::CtlRun;

namespace {
class PasswordCommandTest : public korvel::test::KorvelctlProcess {};
}  // namespace

TEST_F(PasswordCommandTest, SetAndCheckReadThePasswordFromStandardInput)
{
    const auto damage = [] { ASSERT_TRUE(korvel::test::writeFile(korvel::Paths::keychainFile(), "garbage")); };
    const struct {
        const char* name;
        std::function<void()> before;
        QStringList arguments;
        QByteArray input;
        int status;
        const char* said;  // in the output or the errors
    } steps[] = {
        {"check before any password", {}, {"password", "check"}, "9246\n", 1, "No password is set"},
        {"a password on the command line is refused", {}, {"password", "set", "s3cret"}, "", 2, "never from the command line"},
        {"so it was not stored", {}, {"password", "check"}, "s3cret\n", 1, "No password is set"},
        {"set from standard input", {}, {"password", "set"}, "s3cret\n", 0, "changed"},
        {"the right one", {}, {"password", "check"}, "s3cret\n", 0, "right"},
        {"without a line break", {}, {"password", "check"}, "s3cret", 0, "right"},
        {"a wrong one", {}, {"password", "check"}, "9246\n", 1, "wrong"},
        {"an empty one is refused", {}, {"password", "set"}, "\n", 2, "empty password"},
        {"no input at all", {}, {"password", "set"}, "", 2, "no password on standard input"},
        {"a damaged store cannot be checked", damage, {"password", "check"}, "s3cret\n", 3, "damaged"},
        {"set replaces a damaged store", {}, {"password", "set"}, "fresh\n", 0, "set aside"},
        {"the new one holds", {}, {"password", "check"}, "fresh\n", 0, "right"},
        {"usage", {}, {"password"}, "", 2, "usage"},
    };
    for (const auto& step : steps) {
        if (step.before)
            step.before();
        const CtlRun run = ctl(step.arguments, step.input);
        EXPECT_EQ(run.status, step.status) << step.name << ": " << qPrintable(run.out + run.err);
        EXPECT_TRUE((run.out + run.err).contains(QLatin1String(step.said))) << step.name << ": " << qPrintable(run.out + run.err);
    }
    // A new password ends a pause of the prompt.
    korvel::PasswordLockout paused;
    for (int i = 0; i < 5; ++i)
        paused.recordFailure(clock.now());
    ASSERT_TRUE(paused.save(korvel::PasswordLockout::standardFile()));
    EXPECT_EQ(ctl({QStringLiteral("password"), QStringLiteral("set")}, "fresh\n").status, 0);
    EXPECT_FALSE(QFile::exists(korvel::PasswordLockout::standardFile()));

    // The screens read the same store.
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("fresh")), PasswordCheck::Matches);
    EXPECT_EQ(ok({"log", "--category", "Settings"}).count(QStringLiteral("Password Changed")), 3);
}
