#include "admin/ui/AboutKorvelViewController.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVWelcomeScreenViewController.h"
#include "admin/ui/KVAllowedWebsiteDetails.h"
#include "app/ui/KVPasswordAlert.h"
#include "browser/ToolbarItem.h"
#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVWKViewController.h"
#include "log/KVDatabase.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/ScreenAudit.h"
#include "tests/support/TestHome.h"
#include "tests/support/WebTestServer.h"
#include "transfer/ui/KVExportCloudIDViewController.h"
#include "transfer/ui/KVImportExportCloudViewController.h"

#include <QVBoxLayout>

#include <memory>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

struct PanelSize {
    const char* name;
    QSize size;
};

void PrintTo(const PanelSize& panel, std::ostream* os)
{
    *os << panel.name;
}

// Every screen that exists, on the two panel sizes the kiosk is sold for, as a person sees it:
// no raw key, nothing a finger cannot hit, no cut-off text.
class ScreenAuditTest : public test::TestHome, public ::testing::WithParamInterface<PanelSize> {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        NavigationStack::setAnimationsEnabled(false);
        window = std::make_unique<QWidget>();
        window->resize(GetParam().size);
        stack = new NavigationStack(window.get());
        auto* layout = new QVBoxLayout(window.get());
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(stack);
        KVPasswordAlert::initViewController(stack);
        window->show();
    }

    void TearDown() override
    {
        if (Alert* alert = Alert::visibleAlert())
            alert->dismiss();
        window.reset();
        KVWelcomeScreenViewController::resetHomeScreenFactory();
        TestHome::TearDown();
    }

    // Lets layouts settle, then audits; `what` names the screen in the failure.
    void expectClean(const char* what)
    {
        test::processEventsUntil([] { return false; }, 30);
        const QStringList problems = test::auditScreen(window.get());
        EXPECT_TRUE(problems.isEmpty()) << what << " at " << GetParam().name << ":\n  "
                                        << problems.join(QStringLiteral("\n  ")).toStdString();
    }

    std::unique_ptr<QWidget> window;
    NavigationStack* stack = nullptr;
};

TEST_P(ScreenAuditTest, WelcomePromptAndSettings)
{
    KVWelcomeScreenViewController::setHomeScreenFactory({});
    auto* welcome = new KVWelcomeScreenViewController;
    stack->push(welcome, NavigationStack::Animation::None);
    expectClean("welcome screen");
    welcome->getStarted();
    expectClean("welcome screen with its instructions");
    welcome->okGotit();
    welcome->importFromCloud();
    expectClean("first-run cloud import");
    stack->pop(NavigationStack::Animation::None);

    KVPasswordAlert::showPasswordAlert(welcome);
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    expectClean("password prompt");
    Alert::visibleAlert()->dismiss();

    KVSettings::getSettingsObject().kvBrowPref.allowAllWebsites = true;
    auto* menu = new KVMainMenuViewController;
    stack->push(menu, NavigationStack::Animation::None);
    expectClean("settings menu");
    menu->didSelectMenuId(AboutMenu);
    expectClean("about screen");
    stack->pop(NavigationStack::Animation::None);
    menu->didSelectMenuId(ViewLogMenu);
    expectClean("log viewer");
    stack->pop(NavigationStack::Animation::None);
    // Every administration area, as its first screen shows.
    const struct {
        int menuId;
        const char* what;
    } areas[] = {
        {AllowedWebsitesMenu, "allowed websites"}, {BlockedWebsitesMenu, "blocked websites"}, {ManageCategoriesMenu, "categories"},
        {BrowserPreferencesMenu, "browser preferences"}, {AdvancedSettingsMenu, "advanced settings"},
        {SystemSettingsMenu, "system information"}, {OpenSourceLicensesMenu, "open-source licences"},
    };
    for (const auto& area : areas) {
        menu->didSelectMenuId(area.menuId);
        expectClean(area.what);
        stack->pop(NavigationStack::Animation::None);
    }
    menu->handleSearchSettings();
    expectClean("settings search");
    stack->pop(NavigationStack::Animation::None);
    stack->push(new KVAllowedWebsiteDetails, NavigationStack::Animation::None);
    expectClean("website editor");
    stack->pop(NavigationStack::Animation::None);

    stack->push(new KVExportCloudIDViewController, NavigationStack::Animation::None);
    expectClean("export to cloud");
    KVDatabase& history = KVDatabase::getDatabaseObject();
    history.createTable();
    history.insertUpdateRow(QStringLiteral("gBMhlLKCSvhklWVWKXkr"), 2);
    for (auto mode : {KVImportExportCloudViewController::Mode::Export, KVImportExportCloudViewController::Mode::Import,
                      KVImportExportCloudViewController::Mode::AutoImport}) {
        stack->push(new KVImportExportCloudViewController(mode), NavigationStack::Animation::None);
        expectClean("cloud-ID screen");
        stack->pop(NavigationStack::Animation::None);
    }
}

TEST_P(ScreenAuditTest, HomeScreenBrowserAndItsMenus)
{
    WebTestServer::shared().setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Shop</title></head><body>shop</body></html>"));
    KVSettings& settings = KVSettings::getSettingsObject();
    for (const char* title : {"Shop", "Town hall", "Library opening hours and events"}) {
        allowedWebsite site;
        site.title = QString::fromLatin1(title);
        site.url = WebTestServer::shared().url(QStringLiteral("shop.test"));
        settings.allowedWebsites.append(site);
    }
    allowedWebsiteCategory news;
    news.categoryTitle = QStringLiteral("News");
    news.categoryId = 1;
    settings.allowedWebsitesCategories.append(news);
    KVBrowserPrefSettings& p = settings.kvBrowPref;
    p.isAllowFileDownloadInDevice = true;
    p.isAllowKeepDownloadHistory = true;
    p.enablePrintButton = true;
    p.enableForwardButton = true;
    settings.save();

    stack->push(new KVWelcomeScreenViewController, NavigationStack::Animation::None);
    KVHomePageViewController* home = nullptr;
    ASSERT_TRUE(test::processEventsUntil([&] { return (home = qobject_cast<KVHomePageViewController*>(stack->topScreen())) != nullptr; }));
    expectClean("home screen");

    home->didSelectItem(0);
    auto* browser = qobject_cast<KVWKViewController*>(stack->topScreen());
    ASSERT_NE(browser, nullptr);
    ASSERT_TRUE(browser->toolbar()->hasItem(ToolbarItem::More)) << "six items: three and More";
    expectClean("browser window with its toolbar");
    browser->toolbar()->trigger(ToolbarItem::More);
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    expectClean("the toolbar's overflow menu");
}

INSTANTIATE_TEST_SUITE_P(Panels, ScreenAuditTest,
                         ::testing::Values(PanelSize{"1280x800", QSize(1280, 800)}, PanelSize{"800x480", QSize(800, 480)}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             return name.replace(name.find('x'), 1, "by");
                         });

}  // namespace
