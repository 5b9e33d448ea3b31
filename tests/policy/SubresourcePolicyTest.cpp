#include "policy/LoadLearning.h"
#include "policy/SubresourcePolicy.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

#include <QFile>

using namespace korvel;

namespace {

allowedWebsite website(const QString& url, bool subDomains = false, bool onlyThis = false, QStringList alsoAllowed = {})
{
    allowedWebsite w;
    w.url = url;
    w.allowSubDomain = subDomains;
    w.allowOnlyThis = onlyThis;
    w.alsoAllowedForLoading = std::move(alsoAllowed);
    return w;
}

struct Rules {
    bool strict = true;
    bool allowAll = false;
    QString keywords;  // content blocking on when not empty
    QString global;    // the global "also allowed for loading" list
};

class SubresourcePolicyTest : public test::TestHome {};

TEST_F(SubresourcePolicyTest, DecidesEveryRequestByTheIndex)
{
    const QList<allowedWebsite> sites = {
        website(QStringLiteral("https://www.shop.test/"), false, false, {QStringLiteral("cdn.shop-static.test"), QStringLiteral("https://img.pics.test/x"), QStringLiteral("github.io")}),
        website(QStringLiteral("https://news.test/"), true),
        website(QStringLiteral("https://only.test/a"), false, true, {QStringLiteral("*.fonts.test")}),
        website(QStringLiteral("https://plain.test/")),
    };
    const QList<blockedWebsite> blockedList = {
        blockedWebsite::initWithParams(QStringLiteral("http://tracker.test"), WebsiteProtocol::Http, QStringLiteral("b")),
        blockedWebsite::initWithParams(QStringLiteral("http://*.ads.test"), WebsiteProtocol::Http, QStringLiteral("b")),
    };
    struct Case {
        const char* name;
        Rules setup;
        const char* request;
        const char* page;
        LoadRefusal expected;
    };
    const Rules off{false};
    const Rules strict{};
    const Case cases[] = {
        {"off: any host loads", off, "https://anything.test/x.js", "https://www.shop.test/", LoadRefusal::None},
        {"off: a blocked host refuses", off, "https://tracker.test/p.gif", "https://www.shop.test/", LoadRefusal::Blocked},
        {"off: a blocked host's sub-domain refuses", off, "https://a.tracker.test/p.gif", "https://www.shop.test/", LoadRefusal::Blocked},
        {"off: *.ads.test refuses its sub-domains", off, "https://x.ads.test/", "https://www.shop.test/", LoadRefusal::Blocked},
        {"off: *.ads.test leaves ads.test itself", off, "https://ads.test/", "https://www.shop.test/", LoadRefusal::None},
        {"off: blocked even without allow-all", Rules{false, false}, "wss://tracker.test/s", "https://news.test/", LoadRefusal::Blocked},
        {"off: a keyword refuses", Rules{false, false, QStringLiteral("casino, poker")}, "https://cdn.test/Poker.png", "https://news.test/", LoadRefusal::Keyword},
        {"strict: keyword before the lists", Rules{true, false, QStringLiteral("casino")}, "https://news.test/casino.js", "https://news.test/", LoadRefusal::Keyword},
        {"strict: an unlisted host refuses", strict, "https://evil.test/x.js", "https://www.shop.test/", LoadRefusal::Unlisted},
        {"strict: the page's own host loads", strict, "https://www.shop.test/app.js", "https://www.shop.test/", LoadRefusal::None},
        {"strict: another allowed website loads", strict, "https://plain.test/i.png", "https://www.shop.test/", LoadRefusal::None},
        {"strict: an allowed sub-domain loads", strict, "https://img.news.test/i.png", "https://www.shop.test/", LoadRefusal::None},
        {"strict: a whole label only", strict, "https://evilnews.test/i.png", "https://news.test/", LoadRefusal::Unlisted},
        {"strict: the website's own list", strict, "https://cdn.shop-static.test/a.css", "https://www.shop.test/cart", LoadRefusal::None},
        {"strict: the list covers sub-domains", strict, "https://eu.cdn.shop-static.test/a.css", "https://www.shop.test/", LoadRefusal::None},
        {"strict: an address entry gives its host", strict, "https://img.pics.test/a.png", "https://www.shop.test/", LoadRefusal::None},
        {"strict: not for another website's pages", strict, "https://cdn.shop-static.test/a.css", "https://news.test/", LoadRefusal::Unlisted},
        {"strict: an only-this website's list", strict, "https://x.fonts.test/f.woff2", "https://only.test/a", LoadRefusal::None},
        {"strict: an only-this website's own host", strict, "https://only.test/b.js", "https://only.test/a", LoadRefusal::None},
        {"strict: the global list", Rules{true, false, {}, QStringLiteral(" maps.test ,https://tiles.test/")}, "https://a.maps.test/t", "https://news.test/", LoadRefusal::None},
        {"strict: the global list by host", Rules{true, false, {}, QStringLiteral("maps.test,https://tiles.test/")}, "https://tiles.test/1.png", "https://plain.test/", LoadRefusal::None},
        {"strict: a listed host that is blocked refuses", Rules{true, false, {}, QStringLiteral("tracker.test")}, "https://tracker.test/", "https://news.test/", LoadRefusal::Blocked},
        {"strict: websockets too", strict, "wss://evil.test/socket", "https://news.test/", LoadRefusal::Unlisted},
        {"strict: allow-all pages keep their own host", Rules{true, true}, "https://free.test/a.js", "https://free.test/", LoadRefusal::None},
        {"strict: allow-all pages load no third host", Rules{true, true}, "https://evil.test/a.js", "https://free.test/", LoadRefusal::Unlisted},
        {"strict: no host of the network in data", strict, "data:image/png;base64,AAAA", "https://news.test/", LoadRefusal::None},
        {"strict: blob addresses are the page's own", strict, "blob:https://news.test/1234", "https://news.test/", LoadRefusal::None},
        {"strict: a local file page loads no unlisted host", strict, "https://evil.test/a.js", "file:///docs/home.html", LoadRefusal::Unlisted},
        {"strict: a public suffix on the global list opens nothing", Rules{true, false, {}, QStringLiteral("com, *.co.uk,cdn.example.com")}, "https://tracker.com/t.js", "https://news.test/", LoadRefusal::Unlisted},
        {"strict: nor a public suffix under a wildcard", Rules{true, false, {}, QStringLiteral("com, *.co.uk,cdn.example.com")}, "https://ads.co.uk/t.js", "https://news.test/", LoadRefusal::Unlisted},
        {"strict: the list's other hosts still load", Rules{true, false, {}, QStringLiteral("com, *.co.uk,cdn.example.com")}, "https://eu.cdn.example.com/a.js", "https://news.test/", LoadRefusal::None},
        {"strict: a public suffix on a website's list opens nothing", strict, "https://evil.github.io/x.js", "https://www.shop.test/", LoadRefusal::Unlisted},
        {"strict: upper case hosts", strict, "https://CDN.Shop-Static.TEST/a.css", "https://www.shop.test/", LoadRefusal::None},
    };
    for (const Case& c : cases) {
        KVSettings& s = settings();
        s.allowedWebsites = sites;
        s.blockedWebsites = blockedList;
        s.kvBrowPref = KVBrowserPrefSettings::init();
        s.kvBrowPref.strictSubresources = c.setup.strict;
        s.kvBrowPref.allowAllWebsites = c.setup.allowAll;
        s.kvBrowPref.allowContentBlocking = !c.setup.keywords.isEmpty();
        s.kvBrowPref.strBlockedKeyWord = c.setup.keywords;
        s.kvBrowPref.alsoAllowedForLoading = c.setup.global;
        const auto policy = SubresourcePolicy::build(s);
        const LoadDecision d = policy->decide(QUrl(QString::fromUtf8(c.request)), QUrl(QString::fromUtf8(c.page)));
        EXPECT_EQ(int(d.refusal), int(c.expected)) << c.name;
    }
}

TEST_F(SubresourcePolicyTest, NamesThePagesWebsite)
{
    KVSettings& s = settings();
    s.allowedWebsites = {website(QStringLiteral("https://www.shop.test/")), website(QStringLiteral("https://www.news.test/"), true),
                         website(QStringLiteral("https://only.test/a"), false, true)};
    const auto policy = SubresourcePolicy::build(s);
    const std::pair<const char*, const char*> cases[] = {
        {"https://www.shop.test/cart", "www.shop.test"}, {"https://eu.news.test/", "*.news.test"},
        {"https://only.test/a/", "https://only.test/a"}, {"https://elsewhere.test/", ""},
    };
    for (const auto& [page, expected] : cases)
        EXPECT_EQ(policy->websiteOf(QUrl(QString::fromUtf8(page))), QString::fromUtf8(expected)) << page;
}

TEST_F(SubresourcePolicyTest, WebsiteListTravelsInItsRecordAndOldRecordsStayValid)
{
    const allowedWebsite w = website(QStringLiteral("https://a.test/"), false, false, {QStringLiteral("cdn.test")});
    const QVariantMap d = w.toDictionary();
    EXPECT_EQ(d.value(QStringLiteral("AlsoAllowedForLoading")).toStringList(), QStringList{QStringLiteral("cdn.test")});
    EXPECT_EQ(allowedWebsite::initWithDictionary(d), w);
    EXPECT_FALSE(website(QStringLiteral("https://a.test/")).toDictionary().contains(QStringLiteral("AlsoAllowedForLoading")));
    QVariantMap damaged = d;
    damaged.insert(QStringLiteral("AlsoAllowedForLoading"), QVariantList{42, QStringLiteral(" ok.test "), QVariantMap{}});
    EXPECT_EQ(allowedWebsite::initWithDictionary(damaged).alsoAllowedForLoading, QStringList{QStringLiteral("ok.test")});
}

TEST_F(SubresourcePolicyTest, LearnedHostsBecomeEntriesOnlyWhereStrictModeWouldRefuseThem)
{
    KVSettings& s = settings();
    s.allowedWebsites = {website(QStringLiteral("https://www.shop.test/")), website(QStringLiteral("https://plain.test/"))};
    s.blockedWebsites = {blockedWebsite::initWithParams(QStringLiteral("http://tracker.test"), WebsiteProtocol::Http, QStringLiteral("b"))};
    s.kvBrowPref.alsoAllowedForLoading = QStringLiteral("fonts.test");
    LoadLearning learning(documents() + QStringLiteral("/learned.json"));
    for (const char* host : {"cdn.test", "CDN.test", "plain.test", "tracker.test", "www.shop.test", "a.fonts.test"})
        learning.record(QStringLiteral("www.shop.test"), QString::fromLatin1(host), LoadType::Image);
    learning.record(QStringLiteral("www.shop.test"), QStringLiteral("cdn.test"), LoadType::Script);
    learning.record(QString(), QStringLiteral("nowhere.test"), LoadType::Script);  // a page of no website
    learning.recordRefusedNavigation(QStringLiteral("www.shop.test"), QStringLiteral("https://elsewhere.test/"));
    QString error;
    ASSERT_TRUE(learning.saveIfChanged(&error)) << qPrintable(error);

    const std::optional<LearnedLoads> stored = LoadLearning::read(learning.path(), &error);
    ASSERT_TRUE(stored) << qPrintable(error);
    EXPECT_EQ(*stored, learning.records());
    EXPECT_EQ(stored->keys(), QStringList{QStringLiteral("www.shop.test")});
    const QList<LearnedAddition> additions = LoadLearning::additions(s, *stored);
    ASSERT_EQ(additions.size(), 1) << "allowed, blocked, own and globally listed hosts need nothing";
    EXPECT_EQ(additions.first().host, QStringLiteral("cdn.test"));
    EXPECT_EQ(additions.first().types, (QMap<QString, qint64>{{QStringLiteral("image"), 2}, {QStringLiteral("script"), 1}}));
    LoadLearning::apply(s, additions);
    LoadLearning::apply(s, additions);
    EXPECT_EQ(s.allowedWebsites.first().alsoAllowedForLoading, QStringList{QStringLiteral("cdn.test")});
    EXPECT_TRUE(LoadLearning::additions(s, *stored).isEmpty());

    for (const QByteArray& damaged : {QByteArray("{"), QByteArray("[]"), QByteArray(R"({"websites":{"a":{"loads":{"h":{"image":"x"}}}}})")}) {
        QFile file(learning.path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(damaged);
        file.close();
        EXPECT_FALSE(LoadLearning::read(learning.path(), &error)) << damaged.constData();
    }
}

}  // namespace
