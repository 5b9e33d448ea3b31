#include "tests/cli/KorvelctlProcess.h"

using namespace korvel::test;

namespace {
class PolicyCheckTest : public KorvelctlProcess {};
}  // namespace

TEST_F(PolicyCheckTest, PrintsTheBrowsersDecisionWithoutLogging)
{
    ok({"sites", "add", "allowed.test"});
    ok({"log", "clear"});
    const struct {
        QStringList arguments;
        QStringList expected;
    } cases[] = {
        {{"http://allowed.test/a"},
         {"allow", "log: debug: decidePolicyForNavigationAction", "bars: window", "log: Webview: Loading URL: http://allowed.test/a"}},
        {{"http://x.test/"},
         {"cancel", "log: debug: decidePolicyForNavigationAction", "bars: window", "log: URL_action: URL_Blocked<http://x.test/>",
          "toast: Korvel blocked URL:http://x.test/"}},
        {{"--tabbed", "--type", "other", "--new-window", "http://allowed.test/"},
         {"allow", "notify: updatecell", "log: debug: decidePolicyForNavigationAction", "log: Webview: Loading URL: http://allowed.test/"}},
    };
    for (const auto& c : cases) {
        const CtlRun run = ctl(QStringList{QStringLiteral("policy"), QStringLiteral("check")} + c.arguments);
        EXPECT_EQ(run.status, 0) << qPrintable(run.err);
        EXPECT_EQ(run.lines(), c.expected) << qPrintable(c.arguments.join(QLatin1Char(' ')));
    }
    EXPECT_TRUE(ok({"log"}).isEmpty()) << "a dry run writes nothing to the log";

    ok({"advanced", "set", "--allow-all", "on"});
    ok({"blocked", "add", "x.test"});
    EXPECT_EQ(ctl({"policy", "check", "http://m.x.test/"}).lines().value(0), QStringLiteral("cancel")) << "the blocked list is read";
}

TEST_F(PolicyCheckTest, DomainSplitsAHost)
{
    EXPECT_EQ(ok({"domain", "https://a.b.example.co.uk/x"}),
              QStringLiteral("rootDomain: example.co.uk\ntopLevelDomain: co.uk\nsecondLevelDomain: example\nsubDomain: a.b\n"));
    EXPECT_EQ(ok({"domain", "example.com"}),
              QStringLiteral("rootDomain: example.com\ntopLevelDomain: com\nsecondLevelDomain: example\nsubDomain: (none)\n"));
    EXPECT_EQ(ok({"domain", "localhost"}), QStringLiteral("no result\n"));
}
