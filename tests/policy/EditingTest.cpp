#include "log/KVLogger.h"
#include "platform/UserDefaults.h"
#include "policy/AdvancedSettingsEditing.h"
#include "policy/AllowedWebsiteEditing.h"
#include "policy/BlockedWebsiteEditing.h"
#include "policy/CategoryEditing.h"
#include "policy/IconLayout.h"
#include "policy/WebsiteRules.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

using namespace korvel;

namespace {

class EditingTest : public test::TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        settings().save();
    }

    QByteArray storeBytes() const { return test::readFile(home() + QStringLiteral("/defaults.plist")); }

    static AllowedWebsiteInput site(const QString& url, WebsiteProtocol protocol = WebsiteProtocol::Http)
    {
        AllowedWebsiteInput input;
        input.url = url;
        input.protocol = protocol;
        return input;
    }

    static EditOutcome add(const AllowedWebsiteInput& input) { return AllowedWebsiteEditing::save(settings(), input); }
};

Frame placed()
{
    return Frame{10, 20, 96, 96};
}

}  // namespace

TEST_F(EditingTest, RefusalsChangeNothing)
{
    ASSERT_TRUE(add(site(QStringLiteral("kept.test"))).done());
    ASSERT_TRUE(CategoryEditing::save(settings(), CategoryInput{QStringLiteral("News"), {}}).done());
    ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("bad.test")}).done());
    const QByteArray before = storeBytes();
    const KVSettings memoryBefore = settings();

    AllowedWebsiteInput badIcon = site(QStringLiteral("ok.test"));
    badIcon.iconPath = QStringLiteral(":icon");
    const struct {
        const char* name;
        std::function<EditOutcome()> edit;
        const char* message;
    } cases[] = {
        {"empty URL on add", [] { return add(site(QStringLiteral("  \n "))); }, "Cannot Add empty URL"},
        {"empty URL on update", [] { return AllowedWebsiteEditing::save(settings(), site(QString()), 0); }, "Cannot Update empty URL"},
        {"no host", [] { return add(site(QStringLiteral("http://"))); }, "Invalid URL!!"},
        {"file outside documents", [] { return add(site(QStringLiteral("../etc/passwd"), WebsiteProtocol::File)); }, "Invalid URL!!"},
        {"unknown protocol", [] { return add(site(QStringLiteral("x.test"), static_cast<WebsiteProtocol>(5))); }, "Invalid URL!!"},
        {"icon path that is no URL", [&] { return add(badIcon); }, "Invalid Icon path!!"},
        {"category without a name", [] { return CategoryEditing::save(settings(), CategoryInput{QStringLiteral("   "), {}}); }, "Cannot Add empty Name"},
        {"category renamed to nothing", [] { return CategoryEditing::save(settings(), CategoryInput{QString(), {}}, 0); }, "Cannot Update empty Name"},
        {"category twice, other case", [] { return CategoryEditing::save(settings(), CategoryInput{QStringLiteral(" news "), {}}); }, "Category with same name is already exist."},
        {"blocked without URL", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("")}); }, "Cannot Add empty URL"},
        {"blocked update without URL", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral(" ")}, 0); }, "Cannot Update empty URL"},
        {"blocked without host", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("https://"), WebsiteProtocol::Https}); }, "Invalid URL!!"},
        {"blocked *", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*")}); }, "Invalid URL!!"},
        {"blocked *.", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*.")}); }, "Invalid URL!!"},
        {"blocked **.casino.test", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("**.casino.test")}); }, "Invalid URL!!"},
        {"blocked *.*.casino.test", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*.*.casino.test")}); }, "Invalid URL!!"},
        {"blocked shop.*.casino.test", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("shop.*.casino.test")}); }, "Invalid URL!!"},
        {"blocked *casino.test", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*casino.test")}); }, "Invalid URL!!"},
        {"blocked *.[::1]", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*.[::1]")}); }, "Invalid URL!!"},
        {"blocked *.casino test", [] { return BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("*.casino test")}); }, "Invalid URL!!"},
        {"update past the end", [] { return AllowedWebsiteEditing::save(settings(), site(QStringLiteral("x.test")), 5); }, "There is no allowed website at index 5."},
        {"remove past the end", [] { return CategoryEditing::remove(settings(), 1); }, "There is no category at index 1."},
    };
    for (const auto& c : cases) {
        const EditOutcome outcome = c.edit();
        EXPECT_EQ(outcome.status, EditStatus::Refused) << c.name;
        EXPECT_EQ(outcome.message, QString::fromUtf8(c.message)) << c.name;
    }
    EXPECT_EQ(storeBytes(), before);
    EXPECT_EQ(settings().allowedWebsites, memoryBefore.allowedWebsites);
    EXPECT_EQ(settings().allowedWebsitesCategories, memoryBefore.allowedWebsitesCategories);
    EXPECT_EQ(settings().blockedWebsites, memoryBefore.blockedWebsites);
}

TEST_F(EditingTest, AddedWebsitesGetTheirUrlTitleAndIdentity)
{
    const struct {
        const char* url;
        WebsiteProtocol protocol;
        const char* title;
        const char* storedURL;
        const char* storedTitle;
    } cases[] = {
        {"www.example.co.uk", WebsiteProtocol::Http, "", "http://www.example.co.uk", "example"},
        {"https://shop.test/a b", WebsiteProtocol::Https, "  Shop  ", "https://shop.test/a%20b", "Shop"},
        {"a.bb.cc", WebsiteProtocol::Http, " ", "http://a.bb.cc", "bb"},
        {"menu.pdf", WebsiteProtocol::File, "", nullptr, "menu.pdf"},
    };
    qint64 expectedId = 0;
    for (const auto& c : cases) {
        AllowedWebsiteInput input = site(QString::fromUtf8(c.url), c.protocol);
        input.title = QString::fromUtf8(c.title);
        const EditOutcome outcome = add(input);
        ASSERT_TRUE(outcome.done()) << c.url << ": " << qPrintable(outcome.message);
        const allowedWebsite& w = settings().allowedWebsites.at(outcome.index);
        const QString expectedURL = c.storedURL ? QString::fromUtf8(c.storedURL)
                                                : QUrl::fromLocalFile(documents() + QStringLiteral("/menu.pdf")).toString();
        EXPECT_EQ(w.url, expectedURL);
        EXPECT_EQ(w.title, QString::fromUtf8(c.storedTitle)) << c.url;
        EXPECT_EQ(w.protocol, c.protocol);
        EXPECT_EQ(w.allowedWebsiteId, expectedId++);
    }

    // Identities follow the last record; once the list is empty they start at 0 again.
    ASSERT_TRUE(AllowedWebsiteEditing::remove(settings(), 1).done());
    EXPECT_EQ(settings().allowedWebsites.at(add(site(QStringLiteral("next.test"))).index).allowedWebsiteId, 4);
    while (!settings().allowedWebsites.isEmpty())
        ASSERT_TRUE(AllowedWebsiteEditing::remove(settings(), 0).done());
    EXPECT_EQ(settings().allowedWebsites.at(add(site(QStringLiteral("fresh.test"))).index).allowedWebsiteId, 0);

    KVSettings::resetSettingsObject();
    EXPECT_EQ(settings().allowedWebsites.size(), 1) << "every edit is saved";
}

TEST_F(EditingTest, OneStartPageAndOneErrorPage)
{
    for (const char* url : {"a.test", "b.test", "c.test"})
        ASSERT_TRUE(add(site(QString::fromLatin1(url))).done());
    const auto roles = [] {
        QString s;
        for (const allowedWebsite& w : settings().allowedWebsites)
            s += QString::fromLatin1(w.runAtStartup ? "S" : "-") + QString::fromLatin1(w.errorPage ? "E" : "-") + QLatin1Char(' ');
        return s.trimmed();
    };
    const struct {
        qsizetype index;
        bool startup;
        bool errorPage;
        const char* after;
    } steps[] = {
        {0, true, false, "S- -- --"},
        {1, true, true, "-- SE --"},
        {2, false, true, "-- S- -E"},
        {1, false, false, "-- -- -E"},
    };
    for (const auto& s : steps) {
        AllowedWebsiteInput input = AllowedWebsiteInput::fromRecord(settings().allowedWebsites.at(s.index));
        input.runAtStartup = s.startup;
        input.errorPage = s.errorPage;
        ASSERT_TRUE(AllowedWebsiteEditing::save(settings(), input, s.index).done());
        EXPECT_EQ(roles(), QString::fromLatin1(s.after));
    }
}

TEST_F(EditingTest, UpdatingFromTheRecordKeepsItAndCategoriesResetFrames)
{
    AllowedWebsiteInput input = site(QStringLiteral("https://a.test/p?q=1&r=%26"), WebsiteProtocol::Https);
    input.iconPath = QStringLiteral("icons/my icon.png");
    input.allowSubDomain = true;
    ASSERT_TRUE(add(input).done());
    ASSERT_TRUE(add(site(QStringLiteral("report.pdf"), WebsiteProtocol::File)).done());
    for (allowedWebsite& w : settings().allowedWebsites) {
        w.landscapeFrame = placed();
        w.portraitFrame = placed();
    }
    const QList<allowedWebsite> before = settings().allowedWebsites;
    for (qsizetype i = 0; i < before.size(); ++i) {
        ASSERT_TRUE(AllowedWebsiteEditing::save(settings(), AllowedWebsiteInput::fromRecord(before[i]), i).done());
        EXPECT_EQ(settings().allowedWebsites[i], before[i]) << "saving an unchanged form changes nothing";
    }
    EXPECT_EQ(settings().allowedWebsites[0].iconURL, QStringLiteral("icons/my%20icon.png"));

    // Switching only the protocol keeps the rest of the address.
    AllowedWebsiteInput plain = AllowedWebsiteInput::fromRecord(settings().allowedWebsites[0]);
    plain.protocol = WebsiteProtocol::Http;
    ASSERT_TRUE(AllowedWebsiteEditing::save(settings(), plain, 0).done());
    EXPECT_EQ(settings().allowedWebsites[0].url, QString(before[0].url).replace(QStringLiteral("https://"), QStringLiteral("http://")));
    settings().allowedWebsites[0] = before[0];

    const struct {
        qint64 category;
        bool reset;
        bool framesCleared;
    } moves[] = {{3, true, true}, {3, true, true}, {0, false, false}};
    for (const auto& m : moves) {
        settings().allowedWebsites[0].landscapeFrame = placed();
        AllowedWebsiteInput moved = AllowedWebsiteInput::fromRecord(settings().allowedWebsites[0]);
        moved.categoryId = m.category;
        ASSERT_TRUE(AllowedWebsiteEditing::save(settings(), moved, 0).done());
        const allowedWebsite& w = settings().allowedWebsites[0];
        EXPECT_EQ(w.categoryId, m.category);
        EXPECT_EQ(w.isResetForFrame, m.reset) << "category " << m.category;
        EXPECT_EQ(w.landscapeFrame.isZero(), m.framesCleared) << "category " << m.category;
    }
    AllowedWebsiteInput newInFolder = site(QStringLiteral("c.test"));
    newInFolder.categoryId = 3;
    const EditOutcome added = add(newInFolder);
    EXPECT_FALSE(settings().allowedWebsites[added.index].isResetForFrame) << "only existing websites are marked";
}

TEST_F(EditingTest, EveryWebsiteEditIsLogged)
{
    AllowedWebsiteInput input = site(QStringLiteral("example.com"));
    input.hideURL = true;
    input.errorPage = true;
    ASSERT_TRUE(add(input).done());
    ASSERT_TRUE(AllowedWebsiteEditing::remove(settings(), 0).done());
    EXPECT_EQ(loggedEvents(QStringLiteral("URL_action")),
              (QStringList{QStringLiteral("URL_Added<http://example.com>"), QStringLiteral("Title: example"),
                           QStringLiteral("Hide Icon: 1"), QStringLiteral("AllowOnlyThis: 0"),
                           QStringLiteral("AllowSubDomain: 0"), QStringLiteral("RunAtStartup: 0"),
                           QStringLiteral("UseFavicon: 0"), QStringLiteral("Icon URL: "),
                           QStringLiteral("Custom Error page 1"), QStringLiteral("URL_Deleted<http://example.com>")}));
}

TEST_F(EditingTest, CategoriesAreNamedNumberedAndUnique)
{
    const struct {
        const char* title;
        std::optional<qsizetype> index;
        const char* refusal;  // nullptr: accepted
        const char* stored;
        qint64 id;
    } steps[] = {
        {"  news  ", std::nullopt, nullptr, "News", 1},
        {"sport", std::nullopt, nullptr, "Sport", 2},
        {"NEWS", std::nullopt, "Category with same name is already exist.", nullptr, 0},
        {"news", 0, nullptr, "News", 1},              // renaming to its own name
        {"sport", 0, "Category with same name is already exist.", nullptr, 0},
        {"SPORT", 0, nullptr, "SPORT", 1},            // renaming compares exactly
        {"éclair", std::nullopt, nullptr, "Éclair", 3},
    };
    for (const auto& s : steps) {
        const EditOutcome outcome = CategoryEditing::save(settings(), CategoryInput{QString::fromUtf8(s.title), {}}, s.index);
        if (s.refusal) {
            EXPECT_EQ(outcome.message, QString::fromUtf8(s.refusal)) << s.title;
            continue;
        }
        ASSERT_TRUE(outcome.done()) << s.title << ": " << qPrintable(outcome.message);
        EXPECT_EQ(settings().allowedWebsitesCategories[outcome.index].categoryTitle, QString::fromUtf8(s.stored));
        EXPECT_EQ(settings().allowedWebsitesCategories[outcome.index].categoryId, s.id);
    }
    EXPECT_EQ(loggedEvents(QStringLiteral("CATEGORY_action")).first(), QStringLiteral("Title: News"));
}

TEST_F(EditingTest, DeletingACategoryBringsItsWebsitesBackToTheTop)
{
    ASSERT_TRUE(CategoryEditing::save(settings(), CategoryInput{QStringLiteral("Folder"), {}}).done());
    AllowedWebsiteInput inside = site(QStringLiteral("inside.test"));
    inside.categoryId = 1;
    ASSERT_TRUE(add(inside).done());
    ASSERT_TRUE(add(site(QStringLiteral("outside.test"))).done());

    ASSERT_TRUE(CategoryEditing::remove(settings(), 0).done());
    EXPECT_TRUE(settings().allowedWebsitesCategories.isEmpty());
    EXPECT_EQ(settings().allowedWebsites[0].categoryId, 0);
    // A new category reuses id 1 and must not inherit the old folder's websites.
    ASSERT_TRUE(CategoryEditing::save(settings(), CategoryInput{QStringLiteral("Another"), {}}).done());
    EXPECT_EQ(settings().allowedWebsitesCategories[0].categoryId, 1);
    EXPECT_EQ(settings().allowedWebsites[0].categoryId, 0);
    EXPECT_TRUE(loggedEvents(QStringLiteral("CATEGORY_action")).contains(QStringLiteral("CATEGORY_Deleted<Folder>")));
}

TEST_F(EditingTest, BlockedWebsitesAlwaysDeriveTheirTitle)
{
    ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral(" www.casino.example "), WebsiteProtocol::Https}).done());
    ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("secret.pdf"), WebsiteProtocol::File}).done());
    EXPECT_EQ(settings().blockedWebsites[0].url, QStringLiteral("https://www.casino.example"));
    EXPECT_EQ(settings().blockedWebsites[0].title, QStringLiteral("example"));
    EXPECT_EQ(settings().blockedWebsites[1].title, QStringLiteral("secret.pdf"));

    ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput::fromRecord(settings().blockedWebsites[1]), 1).done());
    EXPECT_EQ(settings().blockedWebsites[1].title, QStringLiteral("secret.pdf")) << "a file stays the same file";
    ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QStringLiteral("poker.test")}, 0).done());
    ASSERT_TRUE(BlockedWebsiteEditing::remove(settings(), 0).done());
    EXPECT_EQ(loggedEvents(QStringLiteral("Blocked_URL_action")),
              (QStringList{QStringLiteral("URL_Added<https://www.casino.example>"),
                           QStringLiteral("URL_Added<") + settings().blockedWebsites[0].url + QLatin1Char('>'),
                           QStringLiteral("URL_Updated<") + settings().blockedWebsites[0].url + QLatin1Char('>'),
                           QStringLiteral("URL_Updated<http://poker.test>"), QStringLiteral("URL_Deleted<http://poker.test>")}));
}

// A wildcard host is entered as the blocked lookup reads it: "*." in front blocks the sub-domains.
TEST_F(EditingTest, BlockedWildcardHostsAreStoredAsTheLookupReadsThem)
{
    settings().kvBrowPref.allowAllWebsites = true;
    const struct {
        const char* typed;
        WebsiteProtocol protocol;
        const char* stored;
        const char* title;
        const char* blocks;
        const char* passes;
    } cases[] = {
        {"*.casino.test", WebsiteProtocol::Http, "http://*.casino.test", "casino", "http://shop.casino.test/", "http://casino.test/"},
        {"https://*.Poker.TEST/rooms", WebsiteProtocol::Https, "https://*.poker.test/rooms", "poker", "https://a.b.poker.test/",
         "http://www.poker.test/"},
        {"http://*.bets.test:8080", WebsiteProtocol::Http, "http://*.bets.test:8080", "bets", "http://live.bets.test/", "http://bets.test.evil/"},
    };
    for (const auto& c : cases) {
        const EditOutcome outcome = BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput{QString::fromUtf8(c.typed), c.protocol});
        ASSERT_TRUE(outcome.done()) << c.typed << ": " << qPrintable(outcome.message);
        const blockedWebsite saved = settings().blockedWebsites.at(outcome.index);
        EXPECT_EQ(saved.url, QString::fromUtf8(c.stored));
        EXPECT_EQ(saved.title, QString::fromUtf8(c.title));
        EXPECT_TRUE(WebsiteRules::checkIfWebsiteBlocked(QUrl(QString::fromUtf8(c.blocks)), settings())) << c.typed;
        EXPECT_FALSE(WebsiteRules::checkIfWebsiteBlocked(QUrl(QString::fromUtf8(c.passes)), settings())) << c.typed;
        // The editor shows it without its scheme, and saving that keeps it.
        ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput::fromRecord(saved), outcome.index).done()) << c.typed;
        EXPECT_EQ(settings().blockedWebsites.at(outcome.index), saved);
        settings().blockedWebsites.clear();
    }
}

// Records as a settings document brings them, with escapes that typed text cannot give. Saving the
// editor's text unchanged, or changing something else, must keep each address to the letter.
TEST_F(EditingTest, SavingTheShownTextKeepsTheStoredAddress)
{
    const QString icon = QStringLiteral("http://icons.test/a%2Fb%20c.png");
    for (const QString& address : {QStringLiteral("https://a.test/p%2Fq?x=a%26b%3Fc%2Bd"), QStringLiteral("http://Example.TEST/%7e/caf%c3%a9"),
                                   QStringLiteral("http://a.test/100%25/a%20b")}) {
        allowedWebsite site;
        site.url = address;
        site.protocol = address.startsWith(QLatin1String("https")) ? WebsiteProtocol::Https : WebsiteProtocol::Http;
        site.iconURL = icon;
        site.allowOnlyThis = true;
        site.title = QStringLiteral("t");
        settings().allowedWebsites = {site};
        settings().blockedWebsites = {blockedWebsite::initWithParams(address, site.protocol, QStringLiteral("b")),
                                      blockedWebsite::initWithParams(QStringLiteral("http://*.casino.test/a%2Fb"), WebsiteProtocol::Http,
                                                                     QStringLiteral("casino"))};
        allowedWebsiteCategory category;
        category.categoryId = 1;
        category.categoryTitle = QStringLiteral("Folder");
        category.iconURL = icon;
        settings().allowedWebsitesCategories = {category};
        const QList<blockedWebsite> blocked = settings().blockedWebsites;

        AllowedWebsiteInput retitled = AllowedWebsiteInput::fromRecord(site);
        retitled.title = QStringLiteral("Renamed");
        for (const AllowedWebsiteInput& input : {AllowedWebsiteInput::fromRecord(site), retitled}) {
            ASSERT_TRUE(AllowedWebsiteEditing::save(settings(), input, 0).done()) << qPrintable(address);
            EXPECT_EQ(settings().allowedWebsites[0].url, address);
            EXPECT_EQ(settings().allowedWebsites[0].iconURL, icon) << qPrintable(address);
        }
        EXPECT_EQ(settings().allowedWebsites[0].title, QStringLiteral("Renamed"));
        for (qsizetype i = 0; i < blocked.size(); ++i) {
            ASSERT_TRUE(BlockedWebsiteEditing::save(settings(), BlockedWebsiteInput::fromRecord(blocked[i]), i).done()) << qPrintable(blocked[i].url);
            EXPECT_EQ(settings().blockedWebsites[i].url, blocked[i].url);
        }
        ASSERT_TRUE(CategoryEditing::save(settings(), CategoryInput::fromRecord(category), 0).done());
        EXPECT_EQ(settings().allowedWebsitesCategories[0].iconURL, icon);
    }
    // The editor shows as they are the escapes that, decoded, would read as another address.
    EXPECT_EQ(AllowedWebsiteInput::fromRecord(settings().allowedWebsites[0]).iconPath, QStringLiteral("http://icons.test/a%2Fb c.png"));
    EXPECT_EQ(BlockedWebsiteInput::fromRecord(settings().blockedWebsites[1]).url, QStringLiteral("*.casino.test/a%2Fb"));
}

TEST_F(EditingTest, ContentBlockingNeedsAKeyword)
{
    const struct {
        bool blocking;
        const char* keywords;
        bool refusedOnLeaving;
        bool storedBlocking;
    } cases[] = {
        {true, "casino,poker", false, true},
        {true, "   ", true, false},
        {true, "", true, false},
        {false, "", false, false},
        {false, "kept", false, false},
    };
    for (const auto& c : cases) {
        KVBrowserPrefSettings input = settings().kvBrowPref;
        input.allowAllWebsites = true;
        input.allowContentBlocking = c.blocking;
        input.strBlockedKeyWord = QString::fromUtf8(c.keywords);
        EXPECT_EQ(AdvancedSettingsEditing::leaveRefusal(input).has_value(), c.refusedOnLeaving) << c.keywords;
        ASSERT_TRUE(AdvancedSettingsEditing::save(settings(), input).done());
        KVSettings::resetSettingsObject();
        EXPECT_EQ(settings().kvBrowPref.allowContentBlocking, c.storedBlocking) << c.keywords;
        EXPECT_EQ(settings().kvBrowPref.strBlockedKeyWord, QString::fromUtf8(c.keywords)) << "kept as typed";
        EXPECT_TRUE(settings().kvBrowPref.allowAllWebsites);
    }
    KVBrowserPrefSettings blank;
    blank.allowContentBlocking = true;
    blank.strBlockedKeyWord = QStringLiteral(" ");
    EXPECT_EQ(AdvancedSettingsEditing::leaveRefusal(blank).value_or(QString()), QStringLiteral("Enter the keyword for content blocking"));
    KVBrowserPrefSettings broad;
    broad.alsoAllowedForLoading = QStringLiteral("fonts.example.net, *.github.io");
    EXPECT_TRUE(AdvancedSettingsEditing::leaveRefusal(broad).value_or(QString()).startsWith(QStringLiteral("\"*.github.io\" is a public suffix")));
}

TEST_F(EditingTest, ResettingTheIconLayoutClearsEveryFrame)
{
    ASSERT_TRUE(add(site(QStringLiteral("a.test"))).done());
    ASSERT_TRUE(CategoryEditing::save(settings(), CategoryInput{QStringLiteral("Folder"), {}}).done());
    settings().allowedWebsites[0].portraitFrame = placed();
    settings().allowedWebsitesCategories[0].landscapeFrame = placed();
    UserDefaults::standard().setObject(QLatin1String(IconLayout::hasDraggedKey), true);

    const EditOutcome outcome = IconLayout::reset(settings(), UserDefaults::standard());
    EXPECT_EQ(outcome.message, QStringLiteral("Icon Layout set to default"));
    KVSettings::resetSettingsObject();
    UserDefaults::resetStandard();
    EXPECT_TRUE(settings().allowedWebsites[0].portraitFrame.isZero());
    EXPECT_TRUE(settings().allowedWebsites[0].isResetForFrame);
    EXPECT_TRUE(settings().allowedWebsitesCategories[0].landscapeFrame.isZero());
    EXPECT_EQ(UserDefaults::standard().objectForKey(QLatin1String(IconLayout::hasDraggedKey)), QVariant(false));
}

TEST(PolicyUtils, CapitalizeAndDefaultTitles)
{
    EXPECT_EQ(WebsiteRules::capitalizeFirstLetterOfString(QStringLiteral("news")), QStringLiteral("News"));
    EXPECT_EQ(WebsiteRules::capitalizeFirstLetterOfString(QStringLiteral("iPhone apps")), QStringLiteral("IPhone apps"));
    EXPECT_EQ(WebsiteRules::capitalizeFirstLetterOfString(QString()), QString());
    const struct {
        const char* url;
        WebsiteProtocol protocol;
        const char* title;
    } cases[] = {
        {"http://www.example.com/", WebsiteProtocol::Http, "example"},
        {"https://ab.cd.ef/", WebsiteProtocol::Https, "ab"},
        {"http://localhost:8080/x", WebsiteProtocol::Http, "localhost"},
        {"file:///home/k/Documents/a%20b.pdf", WebsiteProtocol::File, "a b.pdf"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WebsiteRules::defaultTitleForURL(QUrl(QString::fromLatin1(c.url)), c.protocol), QString::fromUtf8(c.title)) << c.url;
}
