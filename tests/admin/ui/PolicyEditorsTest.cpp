#include "admin/ui/KVAddBlockedWebsiteViewController.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/PreferenceRows.h"
#include "admin/ui/KVAllowedWebsiteDetails.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVManageCategoryDetailViewController.h"
#include "admin/ui/KVPolicyListViewController.h"
#include "log/KVLogger.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/SegmentedControl.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace korvel {
namespace {

class PolicyEditorsTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        KVLogger::createDatabase_Tables();
        makeStack(new Screen);
        menu = new KVMainMenuViewController;
        stack->push(menu, Animation::None);
    }

    template <typename T>
    T* top()
    {
        return qobject_cast<T*>(stack->topScreen());
    }

    // Types into the row's field as a finger and the on-screen keyboard would.
    static void type(TableView* table, int id, const QString& text)
    {
        TableCell* cell = table->cellWithId(id);
        ASSERT_NE(cell, nullptr);
        ASSERT_NE(cell->textField(), nullptr);
        cell->textField()->clear();
        QTest::keyClicks(cell->textField(), text);
    }
    static void tap(TableView* table, int id)
    {
        TableCell* cell = table->cellWithId(id);
        ASSERT_NE(cell, nullptr);
        EXPECT_GE(cell->height(), 50);
        QTest::mouseClick(cell, Qt::LeftButton, {}, cell->rect().center());
    }
    static void toggle(TableView* table, int id)
    {
        TableCell* cell = table->cellWithId(id);
        ASSERT_NE(cell, nullptr);
        ASSERT_NE(cell->toggle(), nullptr);
        cell->toggle()->click();
    }
    QStringList takeToasts()
    {
        const QStringList texts = test::toastTexts();
        test::closeToasts();
        return texts;
    }

    KVMainMenuViewController* menu = nullptr;
};

TEST_F(PolicyEditorsTest, AllowedWebsiteEditorRefusesAddsEditsAndDeletes)
{
    menu->didSelectMenuId(AllowedWebsitesMenu);
    auto* list = top<KVPolicyListViewController>();
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->tableView()->emptyLabel()->isVisibleTo(list));
    EXPECT_EQ(list->tableView()->emptyLabel()->text(), QStringLiteral("No Allowed Websites. Press \"Add\" to add one."));

    list->openEditor();
    auto* editor = top<KVAllowedWebsiteDetails>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(stack->rightBarButton()->text(), QStringLiteral("Add"));
    // Each refusal is a toast; the editor stays with what was typed.
    const struct {
        const char* url;
        const char* icon;
        const char* toast;
    } refusals[] = {
        {"   ", "", "Cannot Add empty URL"},
        {"http://", "", "Invalid URL!!"},
        {"www.example.co.uk", ":icon", "Invalid Icon path!!"},
    };
    for (const auto& r : refusals) {
        type(editor->tableView(), KVAllowedWebsiteDetails::UrlRow, QString::fromUtf8(r.url));
        type(editor->tableView(), KVAllowedWebsiteDetails::IconPathRow, QString::fromUtf8(r.icon));
        EXPECT_FALSE(editor->save()) << r.url;
        EXPECT_EQ(takeToasts(), QStringList{QString::fromUtf8(r.toast)}) << r.url;
        EXPECT_EQ(top<KVAllowedWebsiteDetails>(), editor);
        EXPECT_EQ(editor->tableView()->cellWithId(KVAllowedWebsiteDetails::UrlRow)->textField()->text(), QString::fromUtf8(r.url));
    }
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());

    type(editor->tableView(), KVAllowedWebsiteDetails::IconPathRow, QString());
    editor->tableView()->cellWithId(KVAllowedWebsiteDetails::ProtocolRow)->segmentedControl()->setSelectedIndex(1);
    Q_EMIT editor->tableView()->segmentChanged(KVAllowedWebsiteDetails::ProtocolRow, 1);
    toggle(editor->tableView(), KVAllowedWebsiteDetails::RunAtStartupRow);
    QTest::mouseClick(stack->rightBarButton(), Qt::LeftButton);
    flushDeletes();
    ASSERT_EQ(top<KVPolicyListViewController>(), list) << qPrintable(takeToasts().join(QLatin1Char('|')));
    ASSERT_EQ(settings().allowedWebsites.size(), 1);
    EXPECT_EQ(settings().allowedWebsites.first().url, QStringLiteral("https://www.example.co.uk"));
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("example"));
    EXPECT_TRUE(settings().allowedWebsites.first().runAtStartup);
    EXPECT_TRUE(loggedEvents(QStringLiteral("URL_action")).contains(QStringLiteral("URL_Added<https://www.example.co.uk>")));
    ASSERT_EQ(list->tableView()->visibleCells().size(), 1);
    EXPECT_EQ(list->tableView()->visibleCells().first()->titleLabel()->text(), QStringLiteral("example"));

    // Changes left with "No" are dropped; with "Yes" saved.
    for (const bool keep : {false, true}) {
        tap(list->tableView(), 0);
        editor = top<KVAllowedWebsiteDetails>();
        ASSERT_NE(editor, nullptr);
        EXPECT_FALSE(editor->hasChanges());
        type(editor->tableView(), KVAllowedWebsiteDetails::TitleRow, QStringLiteral("Example"));
        Alert* question = editor->goBack();
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(question->title(), QStringLiteral("Save Changes?"));
        question->dismissWithButton(question->buttonIndex(keep ? QStringLiteral("Yes") : QStringLiteral("No")));
        flushDeletes();
        EXPECT_EQ(top<KVPolicyListViewController>(), list);
        EXPECT_EQ(settings().allowedWebsites.first().title, keep ? QStringLiteral("Example") : QStringLiteral("example"));
    }

    tap(list->tableView(), 0);
    editor = top<KVAllowedWebsiteDetails>();
    ASSERT_NE(editor, nullptr);
    tap(editor->tableView(), KVAllowedWebsiteDetails::DeleteRow);
    Alert* sure = Alert::visibleAlert();
    ASSERT_NE(sure, nullptr);
    EXPECT_EQ(sure->title(), QStringLiteral("Are you sure you want to delete this website?"));
    sure->dismissWithButton(sure->buttonIndex(QStringLiteral("Yes")));
    flushDeletes();
    EXPECT_EQ(top<KVPolicyListViewController>(), list);
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());
    EXPECT_TRUE(list->tableView()->emptyLabel()->isVisibleTo(list));
}

TEST_F(PolicyEditorsTest, AddNewCategoryFromTheWebsiteEditorSelectsIt)
{
    menu->didSelectMenuId(AllowedWebsitesMenu);
    top<KVPolicyListViewController>()->openEditor();
    auto* editor = top<KVAllowedWebsiteDetails>();
    ASSERT_NE(editor, nullptr);
    type(editor->tableView(), KVAllowedWebsiteDetails::UrlRow, QStringLiteral("allowed.test"));

    Alert* menuSheet = editor->showCategoryMenu();
    ASSERT_NE(menuSheet, nullptr);
    EXPECT_EQ(menuSheet->buttonText(0), QStringLiteral("None"));
    menuSheet->dismissWithButton(menuSheet->buttonIndex(QStringLiteral("+ Add New Category")));
    flushDeletes();
    auto* categoryEditor = top<KVManageCategoryDetailViewController>();
    ASSERT_NE(categoryEditor, nullptr);
    EXPECT_FALSE(categoryEditor->save());
    EXPECT_EQ(takeToasts(), QStringList{QStringLiteral("Cannot Add empty Name")});
    type(categoryEditor->tableView(), KVManageCategoryDetailViewController::TitleRow, QStringLiteral("  news "));
    ASSERT_TRUE(categoryEditor->save());
    flushDeletes();
    ASSERT_EQ(top<KVAllowedWebsiteDetails>(), editor);
    ASSERT_EQ(settings().allowedWebsitesCategories.size(), 1);
    EXPECT_EQ(settings().allowedWebsitesCategories.first().categoryTitle, QStringLiteral("News"));
    EXPECT_EQ(editor->input().categoryId, settings().allowedWebsitesCategories.first().categoryId);
    EXPECT_EQ(editor->tableView()->cellWithId(KVAllowedWebsiteDetails::CategoryRow)->detailLabel()->text(), QStringLiteral("News"));
    ASSERT_TRUE(editor->save());
    EXPECT_EQ(settings().allowedWebsites.first().categoryId, settings().allowedWebsitesCategories.first().categoryId);

    // The category list: the same name again is refused, whatever its case.
    stack->popToRoot(Animation::None);
    menu = new KVMainMenuViewController;
    stack->push(menu, Animation::None);
    menu->didSelectMenuId(ManageCategoriesMenu);
    auto* list = top<KVPolicyListViewController>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(stack->navigationBarTitle()->text(), QStringLiteral("Add/Edit Categories"));
    list->openEditor();
    categoryEditor = top<KVManageCategoryDetailViewController>();
    type(categoryEditor->tableView(), KVManageCategoryDetailViewController::TitleRow, QStringLiteral("NEWS"));
    EXPECT_FALSE(categoryEditor->save());
    EXPECT_EQ(takeToasts(), QStringList{QStringLiteral("Category with same name is already exist.")});
    stack->pop(Animation::None);
    flushDeletes();
    list->tableView()->setSearchText(QStringLiteral("NÉWS"));
    EXPECT_EQ(list->tableView()->visibleCells().size(), 1) << "search ignores case and accents";
}

TEST_F(PolicyEditorsTest, BlockedWebsiteEditorAndAdvancedSettings)
{
    menu->didSelectMenuId(AdvancedSettingsMenu);
    auto* advanced = top<KVAdvancedSettingsViewController>();
    ASSERT_NE(advanced, nullptr);
    const auto rowOf = [](const char* key) { return PreferenceRows::rowId(*KVBrowserPrefSettings::fieldForKey(QString::fromLatin1(key))); };
    toggle(advanced->tableView(), rowOf("AllowAllWebsites"));
    toggle(advanced->tableView(), rowOf("AllowContentBlocking"));
    type(advanced->tableView(), rowOf("StrBlockedKeyWord"), QStringLiteral("   "));
    // A preference placed on the screen is shown and stored with no code of the screen's own.
    toggle(advanced->tableView(), rowOf("SpatialNavigation"));
    Alert* alert = advanced->goBack();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->message(), QStringLiteral("Enter the keyword for content blocking"));
    alert->dismissWithButton(0);
    EXPECT_EQ(top<KVAdvancedSettingsViewController>(), advanced) << "the screen stays";
    // Leaving another way stores content blocking off.
    stack->pop(Animation::None);
    flushDeletes();
    EXPECT_TRUE(settings().kvBrowPref.allowAllWebsites);
    EXPECT_FALSE(settings().kvBrowPref.allowContentBlocking);
    EXPECT_EQ(settings().kvBrowPref.strBlockedKeyWord, QStringLiteral("   "));
    EXPECT_TRUE(settings().kvBrowPref.spatialNavigation);

    // Allow-all brings the blocked list to the menu.
    ASSERT_EQ(menu->tableData().at(1).menuId, BlockedWebsitesMenu);
    menu->didSelectMenuId(BlockedWebsitesMenu);
    auto* list = top<KVPolicyListViewController>();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->tableView()->emptyLabel()->text(), QStringLiteral("No Blocked Websites. Press \"Add\" to add one."));
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("Blocked Websites menu loaded")));
    list->openEditor();
    auto* editor = top<KVAddBlockedWebsiteViewController>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->save());
    EXPECT_EQ(takeToasts(), QStringList{QStringLiteral("Cannot Add empty URL")});
    type(editor->tableView(), KVAddBlockedWebsiteViewController::UrlRow, QStringLiteral("blocked.test"));
    ASSERT_TRUE(editor->save());
    flushDeletes();
    ASSERT_EQ(settings().blockedWebsites.size(), 1);
    EXPECT_EQ(settings().blockedWebsites.first().url, QStringLiteral("http://blocked.test"));
    EXPECT_EQ(loggedEvents(QStringLiteral("Blocked_URL_action")), QStringList{QStringLiteral("URL_Added<http://blocked.test>")});
    ASSERT_EQ(list->tableView()->visibleCells().size(), 1);
    tap(list->tableView(), 0);
    editor = top<KVAddBlockedWebsiteViewController>();
    ASSERT_NE(editor, nullptr);
    Alert* sure = editor->deleteWebsite();
    sure->dismissWithButton(sure->buttonIndex(QStringLiteral("Yes")));
    flushDeletes();
    EXPECT_TRUE(settings().blockedWebsites.isEmpty());
    EXPECT_EQ(loggedEvents(QStringLiteral("Blocked_URL_action")).last(), QStringLiteral("URL_Deleted<http://blocked.test>"));
}

}  // namespace
}  // namespace korvel
