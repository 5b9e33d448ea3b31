#include "settings/KVSettings.h"
#include "tests/cli/KorvelctlProcess.h"

#include <vector>

namespace {

using korvel::test::CtlRun;

class KorvelctlPolicyTest : public korvel::test::KorvelctlProcess {};

// One edit, then the whole list it changed, exactly as "list" prints it.
struct Step {
    std::initializer_list<const char*> edit;
    std::initializer_list<const char*> show;
    const char* listed;
};

TEST_F(KorvelctlPolicyTest, EditsRoundTripThroughTheirLists)
{
    const Step steps[] = {
        {{"sites", "add", "example.com"}, {"sites", "list"},
         "0 id=0 category=0 url=http://example.com title=\"example\"\n"},
        {{"sites", "add", "www.example.co.uk/a b", "--protocol", "https", "--title", "Say \"hi\"", "--subdomains",
          "--hide", "--favicon"},
         {"sites", "list"},
         "0 id=0 category=0 url=http://example.com title=\"example\"\n"
         "1 id=1 category=0 url=https://www.example.co.uk/a%20b title=\"Say \\\"hi\\\"\" subdomains hide favicon\n"},
        // Only what is given changes; an emptied title is made from the URL again.
        {{"sites", "update", "1", "--no-hide", "--only-this", "--title", ""}, {"sites", "list"},
         "0 id=0 category=0 url=http://example.com title=\"example\"\n"
         "1 id=1 category=0 url=https://www.example.co.uk/a%20b title=\"example\" subdomains only-this favicon\n"},
        {{"sites", "update", "0", "shop.example.org", "--error-page"}, {"sites", "list"},
         "0 id=0 category=0 url=http://shop.example.org title=\"example\" error-page\n"
         "1 id=1 category=0 url=https://www.example.co.uk/a%20b title=\"example\" subdomains only-this favicon\n"},
        {{"sites", "remove", "0"}, {"sites", "list"},
         "0 id=1 category=0 url=https://www.example.co.uk/a%20b title=\"example\" subdomains only-this favicon\n"},
        {{"sites", "remove", "0"}, {"sites", "list"}, ""},
        // A scheme typed with the address is its protocol.
        {{"sites", "add", "https://secure.example.org/x"}, {"sites", "list"},
         "0 id=0 category=0 url=https://secure.example.org/x title=\"example\"\n"},
        {{"sites", "remove", "0"}, {"sites", "list"}, ""},

        {{"categories", "add", "  news ", "--icon", "my icon.png"}, {"categories", "list"},
         "0 id=1 title=\"News\" icon=my%20icon.png\n"},
        {{"categories", "add", "sport"}, {"categories", "list"},
         "0 id=1 title=\"News\" icon=my%20icon.png\n1 id=2 title=\"Sport\" icon=\n"},
        // A category keeps its icon when only renamed, and may keep its own name.
        {{"categories", "rename", "0", "local news"}, {"categories", "list"},
         "0 id=1 title=\"Local news\" icon=my%20icon.png\n1 id=2 title=\"Sport\" icon=\n"},
        {{"categories", "rename", "1", "Sport", "--icon", "ball.png"}, {"categories", "list"},
         "0 id=1 title=\"Local news\" icon=my%20icon.png\n1 id=2 title=\"Sport\" icon=ball.png\n"},
        {{"sites", "add", "scores.test", "--category", "2"}, {"sites", "list"},
         "0 id=0 category=2 url=http://scores.test title=\"scores\"\n"},
        // Its websites come back to the top level with their folder.
        {{"categories", "remove", "1"}, {"sites", "list"}, "0 id=0 category=0 url=http://scores.test title=\"scores\"\n"},
        {{"categories", "remove", "0"}, {"categories", "list"}, ""},
        // After "--" even a global option's name is a title.
        {{"categories", "add", "--", "--help"}, {"categories", "list"}, "0 id=1 title=\"--help\" icon=\n"},

        {{"blocked", "add", "casino.example.com"}, {"blocked", "list"},
         "0 url=http://casino.example.com title=\"example\" protocol=http\n"},
        {{"blocked", "add", "https://poker.test", "--protocol", "HTTPS"}, {"blocked", "list"},
         "0 url=http://casino.example.com title=\"example\" protocol=http\n"
         "1 url=https://poker.test title=\"poker\" protocol=https\n"},
        {{"blocked", "update", "0", "bets.test", "--protocol", "https"}, {"blocked", "list"},
         "0 url=https://bets.test title=\"bets\" protocol=https\n1 url=https://poker.test title=\"poker\" protocol=https\n"},
        {{"blocked", "remove", "1"}, {"blocked", "list"}, "0 url=https://bets.test title=\"bets\" protocol=https\n"},
        // A wildcard host, as the blocked lookup reads it: the sub-domains only.
        {{"blocked", "add", "*.casino.test"}, {"blocked", "list"},
         "0 url=https://bets.test title=\"bets\" protocol=https\n1 url=http://*.casino.test title=\"casino\" protocol=http\n"},
    };
    for (const Step& step : steps) {
        const QString command = list(step.edit).join(QLatin1Char(' '));
        const CtlRun edit = ctl(step.edit);
        ASSERT_EQ(edit.status, 0) << qPrintable(command) << ": " << qPrintable(edit.err);
        EXPECT_EQ(edit.out, QString()) << qPrintable(command);
        EXPECT_EQ(ok(step.show), QString::fromUtf8(step.listed)) << qPrintable(command);
    }
}

// The list prints the switches from the same table that reads them, so only the one-start-page
// and one-error-page rule can tell --startup from --error-page.
TEST_F(KorvelctlPolicyTest, StartPageAndErrorPageMoveToTheLatestSiteThatTakesThem)
{
    ok({"sites", "add", "first.test", "--startup", "--error-page"});
    ok({"sites", "add", "second.test", "--startup"});
    ok({"sites", "add", "third.test", "--error-page"});
    const QStringList lines = ok({"sites", "list"}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(lines.at(0).endsWith(QStringLiteral("title=\"first\""))) << qPrintable(lines.at(0));
    EXPECT_TRUE(lines.at(1).endsWith(QStringLiteral("title=\"second\" startup"))) << qPrintable(lines.at(1));
    EXPECT_TRUE(lines.at(2).endsWith(QStringLiteral("title=\"third\" error-page"))) << qPrintable(lines.at(2));
}

// An address as a settings document brought it, with escapes no typed text gives: an update that
// does not give a URL keeps it to the letter, so "Allow Only This URL" still matches.
TEST_F(KorvelctlPolicyTest, UpdatingOtherFieldsKeepsAnImportedAddress)
{
    const QString address = QStringLiteral("https://a.test/p%2Fq?x=a%26b%3Fc%2Bd");
    const QString icon = QStringLiteral("http://icons.test/a%2Fb.png");
    korvel::KVSettings& settings = korvel::KVSettings::getSettingsObject();
    korvel::allowedWebsite site;
    site.url = address;
    site.protocol = korvel::WebsiteProtocol::Https;
    site.iconURL = icon;
    site.title = QStringLiteral("t");
    settings.allowedWebsites = {site};
    korvel::allowedWebsiteCategory category;
    category.categoryId = 1;
    category.categoryTitle = QStringLiteral("News");
    category.iconURL = icon;
    settings.allowedWebsitesCategories = {category};
    ASSERT_TRUE(settings.save());

    ok({"sites", "update", "0", "--title", "Renamed", "--only-this"});
    ok({"categories", "rename", "0", "Sport"});
    EXPECT_EQ(ok({"sites", "list"}), QStringLiteral("0 id=0 category=0 url=%1 title=\"Renamed\" only-this\n").arg(address));
    EXPECT_EQ(ok({"categories", "list"}), QStringLiteral("0 id=1 title=\"Sport\" icon=%1\n").arg(icon));
    EXPECT_TRUE(ok({"policy", "check", address.toLatin1().constData()}).startsWith(QStringLiteral("allow"))) << "the only-this match holds";
    // Typed with the same escapes, an address is stored as typed, not escaped a second time.
    ok({"sites", "add", "http://example.com/a%2Fb?q=1%262"});
    EXPECT_TRUE(ok({"sites", "list"}).contains(QStringLiteral(" url=http://example.com/a%2Fb?q=1%262 "))) << qPrintable(ok({"sites", "list"}));
}

TEST_F(KorvelctlPolicyTest, AdvancedSetChangesOnlyWhatIsGiven)
{
    const struct {
        std::initializer_list<const char*> set;
        const char* shown;
    } steps[] = {
        {{"--content-blocking", "on", "--keywords", "casino, poker"},
         "AllowAllWebsites = false\nAllowContentBlocking = true\nStrBlockedKeyWord = casino, poker\n"},
        {{"--allow-all", "on"}, "AllowAllWebsites = true\nAllowContentBlocking = true\nStrBlockedKeyWord = casino, poker\n"},
        {{"--content-blocking=off"}, "AllowAllWebsites = true\nAllowContentBlocking = false\nStrBlockedKeyWord = casino, poker\n"},
        // Without content blocking, no keyword is needed.
        {{"--keywords", ""}, "AllowAllWebsites = true\nAllowContentBlocking = false\nStrBlockedKeyWord = \n"},
    };
    for (const auto& step : steps) {
        QStringList arguments{QStringLiteral("advanced"), QStringLiteral("set")};
        arguments += list(step.set);
        const CtlRun set = ctl(arguments);
        ASSERT_EQ(set.status, 0) << qPrintable(arguments.join(QLatin1Char(' '))) << ": " << qPrintable(set.err);
        EXPECT_EQ(ok({"advanced", "show"}), QString::fromUtf8(step.shown)) << qPrintable(arguments.join(QLatin1Char(' ')));
    }
}

TEST_F(KorvelctlPolicyTest, IconsResetSavesAndConfirms)
{
    ok({"sites", "add", "example.com"});
    const QByteArray before = storeBytes();
    const CtlRun run = ctl({"icons", "reset"});
    EXPECT_EQ(run.status, 0) << qPrintable(run.err);
    EXPECT_EQ(run.out, QStringLiteral("Icon Layout set to default\n"));
    // The site is marked for a fresh slot, so the store changed.
    EXPECT_NE(storeBytes(), before);
}

}  // namespace
