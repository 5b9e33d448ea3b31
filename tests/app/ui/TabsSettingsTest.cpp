#include "app/ui/KVPasswordAlert.h"
#include "browser/ui/multiTabbarController.h"
#include "platform/Paths.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QFile>

using namespace korvel;

namespace {

class TabsSettingsTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        settings().kvBrowPref.useMultiTab = true;
        settings().allowedWebsites = {site(url("allowed.test"))};
        for (const QString& name : Paths::homePageResources())
            QFile::copy(Paths::resourceFile(name), documents() + QLatin1Char('/') + name);
        KVPasswordAlert::initViewController(stack.get());
        KVPasswordAlert::setSettingsOpener([](NavigationStack* on) { on->push(new Screen, NavigationStack::Animation::None); });
    }

    void TearDown() override
    {
        KVPasswordAlert::setSettingsOpener(nullptr);
        WebWindowTest::TearDown();
    }
};

}  // namespace

// The way into the settings quiets the tabs under them, and they come back on their home pages.
TEST_F(TabsSettingsTest, TheSettingsOpenOverQuietTabs)
{
    auto* tabs = new multiTabbarController;
    stack->push(tabs, NavigationStack::Animation::None);
    KVWKViewController* tab = tabs->tab(0);
    ASSERT_TRUE(test::processEventsUntil([&] { return tab->showsHomePage(); }));
    tab->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(test::processEventsUntil([&] { return tab->webView()->title() == QLatin1String("Start"); }));
    KVPasswordAlert::moveToSettingsScreen();
    EXPECT_NE(stack->topScreen(), tabs) << "the settings are open";
    EXPECT_TRUE(multiTabbarController::validateMultiTabClosed());
    EXPECT_TRUE(test::processEventsUntil([&] { return tab->webView()->url().host().isEmpty(); })) << "the website is left";
    stack->pop(NavigationStack::Animation::None);
    EXPECT_TRUE(test::processEventsUntil([&] { return tab->showsHomePage(); }));
}
