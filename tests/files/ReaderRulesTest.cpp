#include "files/ReaderRules.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace korvel;
using ReaderRules::Source;

// Only regular files that really lie in Documents open; web addresses are fetched; nothing else.
TEST(ReaderRules, LocateKeepsFilesInsideDocuments)
{
    QTemporaryDir home;
    const QString docs = home.filePath(QStringLiteral("Documents"));
    ASSERT_TRUE(QDir().mkpath(docs + QStringLiteral("/folder")));
    ASSERT_TRUE(test::writeFile(docs + QStringLiteral("/guide.pdf"), "%PDF"));
    ASSERT_TRUE(test::writeFile(home.filePath(QStringLiteral("secret.pdf")), "%PDF"));
    ASSERT_TRUE(QFile::link(home.filePath(QStringLiteral("secret.pdf")), docs + QStringLiteral("/outside.pdf")));
    ASSERT_TRUE(QFile::link(docs + QStringLiteral("/guide.pdf"), docs + QStringLiteral("/inside.pdf")));
    const struct {
        const char* name;
        QUrl url;
        Source source;
        QString path;
    } cases[] = {
        {"a file in Documents", QUrl::fromLocalFile(docs + QStringLiteral("/guide.pdf")), Source::File, docs + QStringLiteral("/guide.pdf")},
        {"re-rooted from elsewhere", QUrl(QStringLiteral("file:///somewhere/else/guide.pdf")), Source::File, docs + QStringLiteral("/guide.pdf")},
        {"a link that stays inside", QUrl::fromLocalFile(docs + QStringLiteral("/inside.pdf")), Source::File, docs + QStringLiteral("/guide.pdf")},
        {"a link that leads outside", QUrl::fromLocalFile(docs + QStringLiteral("/outside.pdf")), Source::Refused, {}},
        {"a missing file", QUrl::fromLocalFile(docs + QStringLiteral("/none.pdf")), Source::Refused, {}},
        {"a folder", QUrl::fromLocalFile(docs + QStringLiteral("/folder")), Source::Refused, {}},
        {"the parent", QUrl(QStringLiteral("file:///a/..")), Source::Refused, {}},
        {"http", QUrl(QStringLiteral("http://allowed.test/a.pdf")), Source::Web, {}},
        {"https", QUrl(QStringLiteral("https://allowed.test/a.pdf")), Source::Web, {}},
        {"another scheme", QUrl(QStringLiteral("ftp://allowed.test/a.pdf")), Source::Refused, {}},
        {"no host", QUrl(QStringLiteral("http:///a.pdf")), Source::Refused, {}},
    };
    for (const auto& c : cases) {
        const ReaderRules::Document d = ReaderRules::locate(c.url, docs);
        EXPECT_EQ(d.source, c.source) << c.name;
        EXPECT_EQ(d.path, c.path.isEmpty() ? QString() : QFileInfo(c.path).canonicalFilePath()) << c.name;
    }
}

// The nearest entry at or before the page names it; children win over their parent on its page.
TEST(ReaderRules, OutlineLabelIsTheNearestEntryBefore)
{
    const QList<ReaderRules::OutlineEntry> outline = {{"Intro", 1}, {"Part", 4}, {"Part, first section", 4}, {"Part, second", 7}, {"Back matter", 6}};
    const struct {
        int page;
        const char* label;
    } cases[] = {{0, ""}, {1, "Intro"}, {3, "Intro"}, {4, "Part, first section"}, {6, "Back matter"}, {9, "Part, second"}};
    for (const auto& c : cases)
        EXPECT_EQ(ReaderRules::outlineLabel(outline, c.page), QLatin1String(c.label)) << c.page;
}

TEST(ReaderRules, MatchedLineIsTheLineOfTheNthMatch)
{
    const QString page = QStringLiteral("Title line\r\nThe zebra  runs\r\nno match\nZEBRA again and zebra\n");
    const struct {
        const char* needle;
        int occurrence;
        const char* line;
    } cases[] = {
        {"zebra", 0, "The zebra runs"}, {"zebra", 1, "ZEBRA again and zebra"}, {"zebra", 2, "ZEBRA again and zebra"},
        {"zebra", 3, ""}, {"title", 0, "Title line"}, {"", 0, ""}, {"zebra", -1, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReaderRules::matchedLine(page, QLatin1String(c.needle), c.occurrence), QLatin1String(c.line)) << c.needle << c.occurrence;
}

// A page is as wide as the area: a tall one starts at the area's top and scrolls no further than
// its end; a short one sits in the middle and does not scroll.
TEST(ReaderRules, PagesFitTheWidthAndScrollWithinTheirLength)
{
    const QRectF area(0, 56, 800, 300);
    const struct {
        const char* name;
        QSizeF page;
        qreal scroll;
        QRectF expected;
    } cases[] = {
        {"a tall page, at its top", {400, 600}, 0, {0, 56, 800, 1200}},
        {"scrolled", {400, 600}, 100, {0, -44, 800, 1200}},
        {"scrolled past its end", {400, 600}, 5000, {0, 56 - 900, 800, 1200}},
        {"scrolled above its top", {400, 600}, -50, {0, 56, 800, 1200}},
        {"a wide page, centred", {800, 100}, 40, {0, 56 + 100, 800, 100}},
        {"an empty page", {}, 0, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReaderRules::fittedPage(c.page, area, c.scroll), c.expected) << c.name;
    EXPECT_EQ(ReaderRules::pageOverflow({400, 600}, area), 900);
    EXPECT_EQ(ReaderRules::pageOverflow({800, 100}, area), 0);
}
