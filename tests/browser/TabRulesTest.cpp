#include "browser/TabRules.h"
#include "settings/KVBrowserPrefSettings.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace korvel;

namespace {

// Runs steps on a strip that starts with its first tab: "+" opens a tab, "w" a page's window,
// "x<i>" closes tab i by hand, "s<i>" selects tab i, "a" is the automatic close after the page
// closed its window. Answers the strip as tab ids in order, the selected one starred, and the
// refusals met on the way.
struct StripRun {
    QString strip;
    QStringList refusals;
};

StripRun run(int countOfTabs, const QStringList& steps)
{
    TabRules tabs;
    tabs.firstOne();
    StripRun result;
    for (const QString& step : steps) {
        TabRules::Opening opening;
        if (step == QLatin1String("+")) {
            opening = tabs.add(countOfTabs);
        } else if (step == QLatin1String("w")) {
            opening = tabs.openPageWindow(countOfTabs);
        } else if (step.startsWith(QLatin1Char('x'))) {
            tabs.close(step.mid(1).toInt());
        } else if (step.startsWith(QLatin1Char('s'))) {
            tabs.select(step.mid(1).toInt());
        } else if (step == QLatin1String("a")) {
            if (const std::optional<int> target = tabs.autoCloseTarget())
                tabs.close(*target);
        }
        if (opening.refusal)
            result.refusals << *opening.refusal;
    }
    QStringList parts;
    for (int i = 0; i < tabs.count(); ++i) {
        const TabEntry& entry = tabs.tabbarsInfo().at(i);
        EXPECT_EQ(entry.selected, i == tabs.selectInt());
        parts << QString::number(entry.id) + (entry.selected ? QStringLiteral("*") : QString());
    }
    result.strip = parts.join(QLatin1Char(' '));
    return result;
}

}  // namespace

TEST(TabRules, OpeningClosingAndSelectingFollowTheStrip)
{
    const QString limit3 = QStringLiteral("You cannot open more than 3 tab(s)");
    const struct {
        const char* name;
        int countOfTabs;
        QStringList steps;
        QString strip;
        QStringList refusals;
    } cases[] = {
        {"the limit refuses the fourth tab", 3, {"+", "+", "+"}, "0 1 2*", {limit3}},
        {"closing one lets '+' open again", 3, {"+", "+", "+", "x1", "+"}, "0 2 3*", {limit3}},
        {"closing the first of three selects the new first", 8, {"+", "+", "x0"}, "1* 2", {}},
        {"closing the third of three selects the second", 8, {"+", "+", "x2"}, "0 1*", {}},
        {"the only tab cannot be closed", 8, {"x0"}, "0*", {}},
        {"a page's window opens right after the selected tab", 8, {"+", "+", "s0", "w"}, "0 3* 1 2", {}},
        {"the page closing its window closes that tab and selects the one before", 8, {"+", "+", "s0", "w", "a"}, "0* 1 2", {}},
        {"a tab closed by hand is not closed again", 8, {"+", "s0", "w", "x1", "a"}, "0* 1", {}},
        {"the remembered tab is followed when tabs before it close", 8, {"+", "s0", "w", "x0", "a"}, "1*", {}},
        {"without a page's window nothing closes by itself", 8, {"+", "+", "a"}, "0 1 2*", {}},
        {"a page's window at the limit is refused", 2, {"+", "w"}, "0 1*", {"You cannot open more than 2 tab(s)"}},
        {"a selection outside the strip changes nothing", 8, {"+", "s5", "s-1"}, "0 1*", {}},
    };
    for (const auto& c : cases) {
        const StripRun result = run(c.countOfTabs, c.steps);
        EXPECT_EQ(result.strip, c.strip) << c.name;
        EXPECT_EQ(result.refusals, c.refusals) << c.name;
    }
}

TEST(TabRules, StoredCountsOutsideOneToEightBecomeEight)
{
    const struct {
        int stored;
        int used;
    } cases[] = {{0, 8}, {-3, 8}, {12, 8}, {9, 8}, {1, 1}, {3, 3}, {8, 8}};
    for (const auto& c : cases)
        EXPECT_EQ(TabRules::normalizedCountOfTabs(c.stored), c.used) << c.stored;
}

TEST(TabRules, CloseButtonsShowFromTheSecondTab)
{
    TabRules tabs;
    tabs.firstOne();
    EXPECT_FALSE(TabRules::closeButtonsShown(tabs.count()));
    tabs.add(8);
    EXPECT_TRUE(TabRules::closeButtonsShown(tabs.count()));
}

TEST(TabRules, LabelsFollowWhatThePageShows)
{
    using K = TabLabel::Kind;
    const struct {
        const char* url;
        TabLabel label;
    } cases[] = {
        {"file:///home/k/Documents/homeWebPage.html", {K::Home, {}, {}}},
        {"file:///usr/share/korvel/resources/korvel_error.html", {K::Error, {}, {}}},
        {"file:///home/k/Documents/menu.pdf", {K::File, "menu.pdf", {}}},
        {"https://www.example.com/a/b?c=1", {K::Website, "www.example.com", "https://www.example.com"}},
        {"http://allowed.test:8080/x", {K::Website, "allowed.test", "http://allowed.test"}},
        {"about:blank", {}},
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TabRules::labelFor(QUrl(QString::fromLatin1(c.url))), c.label) << c.url;
}
