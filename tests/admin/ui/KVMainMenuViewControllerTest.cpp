#include "admin/AdminState.h"
#include "admin/ui/AboutKorvelViewController.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVPolicyListViewController.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace korvel {
namespace {

class MainMenuTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        AdminState::setHooks({[this](qint32 s) { states << s; }, [this] { ++suspended; }, [this] { ++resumed; }});
        makeStack(new Screen);
    }
    void TearDown() override
    {
        AdminState::setHooks({});
        AdminState::setState(0);
        WindowTest::TearDown();
    }

    KVMainMenuViewController* openMenu()
    {
        auto* menu = new KVMainMenuViewController;
        stack->push(menu, Animation::None);
        return menu;
    }

    QList<qint32> states;
    int suspended = 0;
    int resumed = 0;
};

TEST_F(MainMenuTest, OpeningMarksTheSettingsOpenAndSuspendsTheKiosk)
{
    KVMainMenuViewController* menu = openMenu();
    EXPECT_EQ(KVMainMenuViewController::getObject(), menu);
    EXPECT_EQ(AdminState::state(), 1);
    EXPECT_EQ(states, QList<qint32>{1});
    EXPECT_EQ(suspended, 1);
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Settings"));
    EXPECT_EQ(stack->leftBarButton()->text(), QStringLiteral("Done"));
}

struct DispatchCase {
    const char* name;
    bool allowAllWebsites;
    int menuId;
    const char* pushed;  // the class of the screen it opens; nullptr: none
};

void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.name; }

class MenuDispatch : public MainMenuTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(MenuDispatch, OpensTheAreaOfTheId)
{
    const DispatchCase& c = GetParam();
    KVSettings::getSettingsObject().kvBrowPref.allowAllWebsites = c.allowAllWebsites;
    KVMainMenuViewController* menu = openMenu();

    menu->didSelectMenuId(c.menuId);
    const qsizetype depth = c.pushed ? 3 : 2;
    ASSERT_EQ(stack->screens().size(), depth);
    if (c.pushed)
        EXPECT_STREQ(stack->topScreen()->metaObject()->className(), c.pushed);

    // The same choice again while its screen is on top pushes nothing.
    menu->didSelectMenuId(c.menuId);
    EXPECT_EQ(stack->screens().size(), depth);
}

INSTANTIATE_TEST_SUITE_P(
    Ids, MenuDispatch,
    ::testing::Values(DispatchCase{"AllowedWebsites", false, AllowedWebsitesMenu, "korvel::KVPolicyListViewController"},
                      DispatchCase{"BlockedWhileAllowAll", true, BlockedWebsitesMenu, "korvel::KVPolicyListViewController"},
                      DispatchCase{"Categories", false, ManageCategoriesMenu, "korvel::KVPolicyListViewController"},
                      DispatchCase{"Advanced", false, AdvancedSettingsMenu, "korvel::KVAdvancedSettingsViewController"},
                      DispatchCase{"BlockedWithoutItsRow", false, BlockedWebsitesMenu, nullptr},
                      DispatchCase{"Log", false, ViewLogMenu, "korvel::KVLogViewController"},
                      DispatchCase{"About", false, AboutMenu, "korvel::AboutKorvelViewController"},
                      DispatchCase{"Preferences", false, BrowserPreferencesMenu, "korvel::KVBrowserPreferences"},
                      DispatchCase{"SystemInformation", false, SystemSettingsMenu, "korvel::SystemInformationViewController"},
                      DispatchCase{"Licences", false, OpenSourceLicensesMenu, "korvel::OpenSourceLicensesViewController"},
                      DispatchCase{"Unknown", true, 42, nullptr}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainMenuTest, ClickingARowOpensItsEntryNotItsIndex)
{
    KVSettings::getSettingsObject().kvBrowPref.allowAllWebsites = true;
    KVMainMenuViewController* menu = openMenu();
    TableView* table = menu->tableView();
    ASSERT_EQ(table->visibleCells().size(), 10);
    TableCell* third = table->visibleCells().at(2);
    QTest::mouseClick(third, Qt::LeftButton, {}, third->rect().center());
    auto* list = qobject_cast<KVPolicyListViewController*>(stack->topScreen());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->kind(), KVPolicyListViewController::Kind::Categories);
}

TEST_F(MainMenuTest, ReappearingRereadsAllowAll)
{
    // Which rows come with allow-all is the menu rows' test; here, that coming back re-reads it.
    KVMainMenuViewController* menu = openMenu();
    menu->didSelectMenuId(BrowserPreferencesMenu);
    KVSettings::getSettingsObject().kvBrowPref.allowAllWebsites = true;
    stack->pop(Animation::None);
    ASSERT_EQ(menu->tableView()->visibleCells().size(), 10);
    EXPECT_EQ(menu->tableView()->visibleCells().at(1)->titleLabel()->text(), QStringLiteral("Blocked Websites"));
}

TEST_F(MainMenuTest, DoneResumesTheKioskAndReturnsToTheRoot)
{
    KVMainMenuViewController* menu = openMenu();
    menu->didSelectMenuId(AdvancedSettingsMenu);
    ASSERT_EQ(stack->screens().size(), 3);
    menu->handleBack();
    EXPECT_EQ(stack->screens().size(), 1);
    EXPECT_EQ(resumed, 1);
    EXPECT_EQ(AdminState::state(), 0);
    flushDeletes();
    EXPECT_EQ(KVMainMenuViewController::getObject(), nullptr);
}

TEST_F(MainMenuTest, TheFactoryPasswordWarningLeadsToChangingIt)
{
    PasswordStore::setPassword(QStringLiteral("9246"));
    KVMainMenuViewController* menu = openMenu();
    const auto firstCell = [&] { return menu->tableView()->visibleCells().at(0); };
    // Each answer to the change alert, in turn; only a real change takes the warning away.
    const struct {
        const char* name;
        const char* password;
        const char* repeated;
        const char* toast;
        bool factoryAfter;
    } answers[] = {
        {"the entries differ", "n3w-pass", "n3w-pas", "The two passwords differ.", true},
        {"empty", "", "", "The password cannot be empty.", true},
        {"changed", "n3w-pass", "n3w-pass", "The password is changed.", false},
    };
    for (const auto& a : answers) {
        ASSERT_EQ(firstCell()->titleLabel()->text(), QStringLiteral("The factory password is still in use. Change it.")) << a.name;
        QTest::mouseClick(firstCell(), Qt::LeftButton, {}, firstCell()->rect().center());
        Alert* alert = Alert::visibleAlert();
        ASSERT_NE(alert, nullptr) << a.name;
        ASSERT_EQ(alert->textFieldCount(), 2) << a.name;
        alert->textField(0)->setText(QString::fromUtf8(a.password));
        alert->textField(1)->setText(QString::fromUtf8(a.repeated));
        alert->dismissWithButton(alert->buttonIndex(QStringLiteral("Change")));
        flushDeletes();
        QStringList toasts;
        for (Toast* t : Toast::visibleToasts())
            toasts << t->text();
        EXPECT_TRUE(toasts.contains(QString::fromUtf8(a.toast))) << a.name << ": " << qPrintable(toasts.join(QLatin1Char('|')));
        EXPECT_EQ(PasswordStore::isFactoryPasswordInUse(), a.factoryAfter) << a.name;
        clock.advance(std::chrono::seconds(3));
    }
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("n3w-pass")), PasswordCheck::Matches);
    EXPECT_EQ(menu->tableData().first().menuId, AllowedWebsitesMenu) << "the warning is gone";
    EXPECT_EQ(firstCell()->titleLabel()->text(), QStringLiteral("Allowed Websites"));
}

}  // namespace
}  // namespace korvel
