#include "browser/ui/Routes.h"
#include "app/ui/KVPasswordAlert.h"
#include "browser/ui/BrowserTabsController.h"
#include "browser/ui/StandardRoutes.h"
#include "platform/Paths.h"
#include "browser/ui/TabCell.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/support/ScreenAudit.h"

#include <QFile>

using namespace korvel;

namespace {

// The tab controller with three tabs (two of them on web pages) and the tab limit's toast over
// it, as pushed on the stack.
BrowserTabsController* threeTabsAtTheLimit(NavigationStack* stack, const QString& address)
{
    KVSettings::getSettingsObject().kvBrowPref.countOfTabs = 3;
    auto* tabs = new BrowserTabsController;
    stack->push(tabs, NavigationStack::Animation::None);
    for (int i = 1; i < 3; ++i) {
        tabs->onAddActionBtnPressed();
        test::windowOf(tabs, i)->webView()->load(QUrl(address));
    }
    test::processEventsUntil([&] { return test::windowOf(tabs, 2)->webView()->title() == QLatin1String("Start") && tabs->cell(2)->label() != tabs->cell(0)->label(); });
    tabs->onAddActionBtnPressed();
    return tabs;
}

class TabsInShellTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        settings().kvBrowPref.useMultiTab = true;
        settings().allowedWebsites = {site(url("allowed.test"))};
        for (const QString& name : Paths::homePageResources())
            QFile::copy(Paths::resourceFile(name), documents() + QLatin1Char('/') + name);
        KVPasswordAlert::initViewController(stack.get());
        // The browser's own ways (a shell of an earlier test may have removed them) and a stand-in
        // for the settings.
        Routes routes = StandardRoutes::make();
        routes.showSettings = [](NavigationStack* on) { on->push(new Screen, NavigationStack::Animation::None); };
        Routes::install(routes);
    }

    void TearDown() override
    {
        Routes::install(saved);
        WebWindowTest::TearDown();
    }

    const Routes saved = Routes::current();
};

}  // namespace

// The way into the settings quiets the tabs under them, and they come back on their home pages.
TEST_F(TabsInShellTest, TheSettingsOpenOverQuietTabs)
{
    auto* tabs = new BrowserTabsController;
    stack->push(tabs, NavigationStack::Animation::None);
    KVWKViewController* tab = test::windowOf(tabs, 0);
    ASSERT_TRUE(test::processEventsUntil([&] { return tab->showsHomePage(); }));
    tab->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(test::processEventsUntil([&] { return tab->webView()->title() == QLatin1String("Start"); }));
    KVPasswordAlert::moveToSettingsScreen();
    EXPECT_NE(stack->topScreen(), tabs) << "the settings are open";
    EXPECT_TRUE(TabRules::leftForSettings());
    EXPECT_TRUE(test::processEventsUntil([&] { return tab->webView()->url().host().isEmpty(); })) << "the website is left";
    stack->pop(NavigationStack::Animation::None);
    EXPECT_TRUE(test::processEventsUntil([&] { return tab->showsHomePage(); }));
}

// No raw key, nothing a finger cannot hit, no cut-off text, on both panel sizes.
TEST_F(TabsInShellTest, TheStripPassesTheScreenAuditOnBothPanels)
{
    for (const QSize size : {QSize(1280, 800), QSize(800, 480)}) {
        stack->resize(size);
        threeTabsAtTheLimit(stack.get(), url("allowed.test"));
        test::processEventsUntil([] { return false; }, 50);
        const QStringList problems = test::auditScreen(stack.get());
        EXPECT_TRUE(problems.isEmpty()) << size.width() << ":\n  " << problems.join(QStringLiteral("\n  ")).toStdString();
        stack->pop(NavigationStack::Animation::None);
    }
}
