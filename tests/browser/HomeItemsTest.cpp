#include "browser/HomeItems.h"
#include "settings/KVSettings.h"
#include "tests/support/TestHome.h"

using namespace korvel;

namespace {

class HomeItemsTest : public test::TestHome {
protected:
    static allowedWebsite website(qint64 category, Frame portrait = {}, bool hidden = false, bool reset = false)
    {
        allowedWebsite w;
        w.url = QStringLiteral("http://a.test/");
        w.categoryId = category;
        w.portraitFrame = portrait;
        w.landscapeFrame = portrait;
        w.hideURL = hidden;
        w.isResetForFrame = reset;
        return w;
    }

    static QString describe(const VisibleItems& visible)
    {
        QStringList parts;
        for (const HomeItem& item : visible.items) {
            switch (item.kind) {
            case HomeItem::Kind::Website:
                parts << QStringLiteral("w%1").arg(item.index);
                break;
            case HomeItem::Kind::Placeholder:
                parts << QStringLiteral("_%1").arg(item.index);
                break;
            case HomeItem::Kind::Category:
                parts << QStringLiteral("c%1").arg(item.index);
                break;
            }
        }
        return parts.join(QLatin1Char(' '));
    }
};

const Frame placed{10, 10, 110, 120};

}  // namespace

TEST_F(HomeItemsTest, OrderOfTheGrid)
{
    allowedWebsiteCategory folder;
    folder.categoryId = 1;
    folder.portraitFrame = placed;
    const struct {
        const char* name;
        QList<allowedWebsite> websites;
        bool dragDrop;
        bool hasDragged;
        qint64 category;
        const char* expected;
    } cases[] = {
        {"flow layout: websites then the folder", {website(0, placed), website(0), website(0, placed)}, false, false, 0, "w0 w1 w2 c0"},
        {"arranged: unplaced websites last", {website(0), website(0, placed), website(0)}, true, false, 0, "w1 c0 w0 w2"},
        {"dragged once counts as arranged", {website(0), website(0, placed)}, false, true, 0, "w1 c0 w0"},
        {"a hidden, reset website keeps its slot", {website(0, placed), website(0, {}, true, true), website(0, placed)}, true, false, 0,
         "w0 _1 w2 c0"},
        {"a hidden website without reset is skipped", {website(0, placed), website(0, {}, true, false)}, true, false, 0, "w0 c0"},
        {"no placeholders in the flow layout", {website(0, {}, true, true), website(0)}, false, false, 0, "w1 c0"},
        {"inside a folder: its websites only", {website(1, placed), website(0, placed), website(1)}, true, false, 1, "w0 w2"},
    };
    for (const auto& c : cases) {
        settings().allowedWebsites = c.websites;
        settings().allowedWebsitesCategories = {folder};
        settings().kvBrowPref.allowDragDrop = c.dragDrop;
        const VisibleItems visible =
            VisibleItems::loadVisibleAllowedWebsites(settings(), c.category, ScreenOrientation::Portrait, c.hasDragged);
        EXPECT_EQ(describe(visible), QString::fromLatin1(c.expected)) << c.name;
    }
}

TEST_F(HomeItemsTest, TheFlowLayoutClearsStoredFramesAndTheDownloadsBarFollowsItsSettings)
{
    allowedWebsiteCategory folder;
    folder.categoryId = 1;
    folder.portraitFrame = placed;
    settings().allowedWebsites = {website(0, placed)};
    settings().allowedWebsitesCategories = {folder};
    const VisibleItems flow = VisibleItems::loadVisibleAllowedWebsites(settings(), 0, ScreenOrientation::Portrait, false);
    EXPECT_TRUE(settings().allowedWebsites[0].portraitFrame.isZero());
    EXPECT_TRUE(settings().allowedWebsitesCategories[0].portraitFrame.isZero());
    EXPECT_FALSE(flow.downloadsBar);

    settings().kvBrowPref.isAllowFileDownloadInDevice = true;
    settings().kvBrowPref.isAllowKeepDownloadHistory = true;
    settings().allowedWebsites[0].portraitFrame = placed;
    const VisibleItems arranged = VisibleItems::loadVisibleAllowedWebsites(settings(), 0, ScreenOrientation::Landscape, true);
    EXPECT_EQ(settings().allowedWebsites[0].portraitFrame, placed) << "an arranged grid keeps its frames";
    EXPECT_TRUE(arranged.downloadsBar);
}
