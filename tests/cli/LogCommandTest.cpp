#include "tests/cli/KorvelctlProcess.h"

#include <QRegularExpression>

#include <algorithm>

namespace {

using korvel::test::CtlRun;

class KorvelctlLogTest : public korvel::test::KorvelctlProcess {
protected:
    // Nine lines under URL_action, one under Blocked_URL_action, two under CATEGORY_action.
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

TEST_F(KorvelctlLogTest, CategoriesSelectTheirEntriesAndDescendingIsTheExactReverse)
{
    const struct {
        std::initializer_list<const char*> options;
        qsizetype lines;
    } cases[] = {
        {{}, 12},
        {{"--category", "URL_action"}, 9},
        {{"--category", "Blocked_URL_action"}, 1},
        {{"--category", "URL_action", "--category=CATEGORY_action"}, 11},
        {{"--category", "url_action"}, 0},
        {{"--category", "Warning"}, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(logLines(c.options).size(), c.lines) << qPrintable(list(c.options).join(QLatin1Char(' ')));

    QStringList ascending = logLines({});
    const QStringList descending = logLines({"--desc"});
    EXPECT_TRUE(descending.first().endsWith(QStringLiteral("CATEGORY_action: Icon URL: "))) << qPrintable(descending.first());
    std::reverse(ascending.begin(), ascending.end());
    EXPECT_EQ(descending, ascending);
}

TEST_F(KorvelctlLogTest, SearchIgnoresCaseAndCombinesWithCategories)
{
    const struct {
        std::initializer_list<const char*> options;
        const char* onlyLineEndsWith;  // nullptr: nothing found
    } cases[] = {
        {{"--search", "EXAMPLE.COM"}, "URL_action: URL_Added<http://example.com>"},
        {{"--search", "bad.test"}, "Blocked_URL_action: URL_Added<http://bad.test>"},
        {{"--search", "title: news"}, "CATEGORY_action: Title: News"},
        // The search sees the whole display line, category included.
        {{"--search", "blocked_url", "--desc"}, "Blocked_URL_action: URL_Added<http://bad.test>"},
        {{"--search", "example.com", "--category", "Blocked_URL_action"}, nullptr},
        {{"--search", "no such text"}, nullptr},
    };
    for (const auto& c : cases) {
        const QStringList lines = logLines(c.options);
        const QString command = list(c.options).join(QLatin1Char(' '));
        if (!c.onlyLineEndsWith) {
            EXPECT_TRUE(lines.isEmpty()) << qPrintable(command);
            continue;
        }
        ASSERT_EQ(lines.size(), 1) << qPrintable(command);
        EXPECT_TRUE(lines.first().endsWith(QString::fromUtf8(c.onlyLineEndsWith))) << qPrintable(lines.first());
    }
}

TEST_F(KorvelctlLogTest, ClearEmptiesTheLogAndLoggingGoesOn)
{
    const CtlRun clear = ctl({"log", "clear"});
    EXPECT_EQ(clear.status, 0) << qPrintable(clear.err);
    EXPECT_EQ(clear.out, QString());
    EXPECT_EQ(ok({"log"}), QString());

    ok({"blocked", "remove", "0"});
    const QStringList lines = logLines({});
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines.first().endsWith(QStringLiteral("Blocked_URL_action: URL_Deleted<http://bad.test>")));
}

TEST_F(KorvelctlLogTest, BadUsageLeavesTheLogAlone)
{
    const QString before = ok({"log"});
    const std::initializer_list<const char*> refused[] = {
        {"log", "clear", "all"},
        {"log", "URL_action"},
        {"log", "--category"},
        {"log", "--desc=yes"},
        {"log", "--newest"},
    };
    for (const auto& arguments : refused) {
        const CtlRun run = ctl(arguments);
        EXPECT_EQ(run.status, 2) << qPrintable(list(arguments).join(QLatin1Char(' ')));
        EXPECT_FALSE(run.err.isEmpty()) << qPrintable(list(arguments).join(QLatin1Char(' ')));
        EXPECT_EQ(run.out, QString()) << qPrintable(list(arguments).join(QLatin1Char(' ')));
    }
    EXPECT_EQ(ok({"log"}), before);
}

}  // namespace
