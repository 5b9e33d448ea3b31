#include "browser/HomePageEntries.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace korvel;

namespace {

class HomePageEntriesTest : public test::TestHome {
protected:
    static allowedWebsite website(const QString& title, qint64 category, const QString& icon = {}, bool hidden = false,
                                  bool startup = false)
    {
        allowedWebsite w;
        w.url = QStringLiteral("http://%1.test/").arg(title.toLower());
        w.title = title;
        w.categoryId = category;
        w.iconURL = icon;
        w.hideURL = hidden;
        w.runAtStartup = startup;
        return w;
    }

    static allowedWebsiteCategory category(const QString& title, qint64 id, const QString& icon = {})
    {
        allowedWebsiteCategory c;
        c.categoryTitle = title;
        c.categoryId = id;
        c.iconURL = icon;
        return c;
    }

    HomePageEntries build(qint64 selectedCategory)
    {
        HomePageEntries::Inputs inputs;
        inputs.selectedCategoryId = selectedCategory;
        inputs.documentsDirectory = documents();
        inputs.iconFileExists = [](const QString& path) { return QFileInfo::exists(path); };
        return HomePageEntries::loadVisibleWebSites(settings(), inputs);
    }

    // "title:iconURL" for each entry, "/" marking a folder.
    QStringList describe(const HomePageEntries& entries) const
    {
        QStringList parts;
        for (const QVariant& value : entries.allowedVisibleWebsites) {
            const QVariantMap entry = value.toMap();
            parts << (entry.value(QStringLiteral("is_category")) == QLatin1String("true") ? QStringLiteral("/") : QString())
                         + entry.value(QStringLiteral("title")).toString() + QLatin1Char(':')
                         + entry.value(QStringLiteral("iconURL")).toString().remove(documents() + QLatin1Char('/'));
        }
        return parts;
    }
};

}  // namespace

TEST_F(HomePageEntriesTest, ListsTheShownCategoryWithFoldersOrBack)
{
    settings().allowedWebsites = {website(QStringLiteral("Top"), 0), website(QStringLiteral("News"), 7),
                                  website(QStringLiteral("Hidden"), 0, {}, true), website(QStringLiteral("Other"), 9)};
    settings().allowedWebsitesCategories = {category(QStringLiteral("Seven"), 7), category(QStringLiteral("Nine"), 9)};
    const struct {
        const char* name;
        qint64 selected;
        QStringList entries;
    } cases[] = {
        {"top level: its websites, then the folders", 0, {"Top:false", "/Seven:false", "/Nine:false"}},
        {"inside a folder: its websites, then Back", 7, {"News:false", qtTrId("TEXT_BACK") + ":blue_slim42x42-1.png"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(describe(build(c.selected)), c.entries) << c.name;
    const QVariantMap back = build(7).allowedVisibleWebsites.last().toMap();
    EXPECT_EQ(back.value(QStringLiteral("url")).toString(), QStringLiteral("kor_vel_multitab_back_button_pressed"));
    EXPECT_EQ(back.value(QStringLiteral("category_id")).toInt(), 0);
}

TEST_F(HomePageEntriesTest, AHiddenStartupWebsiteOpensWithoutBeingListed)
{
    settings().allowedWebsites = {website(QStringLiteral("Shown"), 0), website(QStringLiteral("Start"), 0, {}, true, true)};
    const HomePageEntries entries = build(0);
    EXPECT_EQ(describe(entries), QStringList{QStringLiteral("Shown:false")});
    EXPECT_TRUE(entries.runAtStartup_bool);
    ASSERT_TRUE(entries.startupWebsite);
    EXPECT_EQ(entries.startupWebsite->title, QStringLiteral("Start"));
}

TEST_F(HomePageEntriesTest, LocalIconsAreNumberedInOrderAndMissingOnesFallBack)
{
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/a.png"), "png"));
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/c.png"), "png"));
    settings().allowedWebsites = {website(QStringLiteral("A"), 0, QStringLiteral("a.png")),
                                  website(QStringLiteral("Gone"), 0, QStringLiteral("gone.png")),
                                  website(QStringLiteral("Web"), 0, QStringLiteral("https://icons.test/w.png"))};
    settings().allowedWebsitesCategories = {category(QStringLiteral("GoneFolder"), 3, QStringLiteral("gone.png")),
                                            category(QStringLiteral("C"), 4, QStringLiteral("c.png"))};
    const HomePageEntries entries = build(0);
    EXPECT_EQ(describe(entries), (QStringList{"A:a.pngqobrix0", "Gone:korvelglobe.png", "Web:https://icons.test/w.png",
                                              "/GoneFolder:categories.png", "/C:c.pngqobrix1"}));
    EXPECT_EQ(entries.customIconUrls, (QStringList{documents() + "/a.pngqobrix0", documents() + "/c.pngqobrix1"}));
    EXPECT_EQ(HomePageEntries::iconPath(entries.customIconUrls.at(1)), documents() + "/c.png");
}

// A title is data all the way into the page: whatever it holds comes back out of the Base64 JSON
// as the same text, and the call handed to the page holds only the Base64 alphabet.
TEST_F(HomePageEntriesTest, TitlesTravelAsDataThroughBase64JSON)
{
    const QString hostile = QStringLiteral("\");alert(1);//</script><img src=x onerror=alert(2)> 'Café' \\ ü");
    settings().allowedWebsites = {website(hostile, 0)};
    const HomePageEntries entries = build(0);
    const QByteArray base64 = entries.base64JSON();
    EXPECT_FALSE(base64.contains('\n'));
    const QJsonArray decoded = QJsonDocument::fromJson(QByteArray::fromBase64(base64)).array();
    ASSERT_EQ(decoded.size(), 1);
    EXPECT_EQ(decoded.at(0).toObject().value(QStringLiteral("title")).toString(), hostile);
    const QString script = HomePageEntries::addtextScript(base64, true);
    EXPECT_EQ(script, QStringLiteral("addtext(\"%1\",\"true\");").arg(QString::fromLatin1(base64)));
}
