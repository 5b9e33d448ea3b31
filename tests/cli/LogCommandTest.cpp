#include "tests/cli/KorvelctlProcess.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

using korvel::test::CtlRun;

class KorvelctlLogTest : public korvel::test::KorvelctlProcess {
protected:
    // Nine lines under URL_action, one under Blocked_URL_action, two under CATEGORY_action, and the
    // three commands under Settings.
    void SetUp() override
    {
        KorvelctlProcess::SetUp();
        ok({"sites", "add", "example.com"});
        ok({"blocked", "add", "Bad.Test"});
        ok({"categories", "add", "News"});
    }

    QStringList logLines(std::initializer_list<const char*> options) const
    {
        QStringList arguments{QStringLiteral("log")};
        arguments += list(options);
        const CtlRun run = ctl(arguments);
        EXPECT_EQ(run.status, 0) << qPrintable(arguments.join(QLatin1Char(' '))) << ": " << qPrintable(run.err);
        return run.lines();
    }
};

TEST_F(KorvelctlLogTest, EditsAreLoggedInTheViewersLineFormat)
{
    const QStringList lines = logLines({"--category", "URL_action"});
    ASSERT_EQ(lines.size(), 9);
    const QRegularExpression added(
        QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d: URL_action: URL_Added<http://example\\.com>$"));
    EXPECT_TRUE(added.match(lines.first()).hasMatch()) << qPrintable(lines.first());
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral(": URL_action: Custom Error page 0"))) << qPrintable(lines.last());
    for (const QString& line : lines)
        EXPECT_TRUE(line.contains(QStringLiteral(": URL_action: "))) << qPrintable(line);
}

// Which entries match is the log query's own test; here, each option reaches it.
TEST_F(KorvelctlLogTest, CategorySearchAndOrderOptionsSelectTheEntries)
{
    const struct {
        std::initializer_list<const char*> options;
        qsizetype lines;
        const char* firstEndsWith;  // nullptr: not looked at
    } cases[] = {
        {{}, 15, "Settings: Command from korvelctl: sites.add"},
        {{"--category", "Blocked_URL_action"}, 1, "Blocked_URL_action: URL_Added<http://bad.test>"},
        {{"--category", "URL_action", "--category=CATEGORY_action"}, 11, nullptr},
        {{"--category", "url_action"}, 0, nullptr},
        {{"--search", "title: news"}, 1, "CATEGORY_action: Title: News"},
        {{"--search", "example.com", "--category", "Blocked_URL_action"}, 0, nullptr},
        {{"--desc"}, 15, "CATEGORY_action: Icon URL: "},
    };
    for (const auto& c : cases) {
        const QStringList lines = logLines(c.options);
        const QString command = list(c.options).join(QLatin1Char(' '));
        EXPECT_EQ(lines.size(), c.lines) << qPrintable(command);
        if (c.firstEndsWith && !lines.isEmpty()) {
            EXPECT_TRUE(lines.first().endsWith(QString::fromUtf8(c.firstEndsWith))) << qPrintable(command) << ": " << qPrintable(lines.first());
        }
    }
    QStringList ascending = logLines({});
    std::reverse(ascending.begin(), ascending.end());
    EXPECT_EQ(logLines({"--desc"}), ascending) << "descending is the exact reverse";
}

TEST_F(KorvelctlLogTest, ClearEmptiesTheLogAndLoggingGoesOn)
{
    const CtlRun clear = ctl({"log", "clear"});
    EXPECT_EQ(clear.status, 0) << qPrintable(clear.err);
    EXPECT_EQ(clear.out, QString());
    EXPECT_EQ(ok({"log"}), QString());

    ok({"blocked", "remove", "0"});
    const QStringList lines = logLines({});
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("Settings: Command from korvelctl: blocked.remove")));
    EXPECT_TRUE(lines.last().endsWith(QStringLiteral("Blocked_URL_action: URL_Deleted<http://bad.test>")));
}

}  // namespace
