#include "admin/SettingsSearch.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVMotionDetectionSettingsViewController.h"
#include "admin/ui/KVNavigationToolbarTableViewController.h"
#include "admin/ui/KVPowerSaverSettingsViewController.h"
#include "admin/ui/KVScreenSaverSettingsViewController.h"
#include "admin/ui/KVSearchSettingsViewController.h"
#include "admin/ui/KVUserAgentsViewController.h"
#include "admin/ui/KVWkWebviewSettingsController.h"
#include "admin/ui/OpenSourceLicensesViewController.h"
#include "admin/ui/SystemInformationViewController.h"
#include "admin/ui/KVPDFViewerSettingsViewController.h"
#include "platform/Paths.h"
#include "transfer/ui/KVImportExportViewController.h"
#include "log/KVLogger.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ToggleSwitch.h"
#include "settings/KVSettings.h"
#include "tests/support/WindowTest.h"

#include <QLabel>
#include <functional>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

namespace korvel {
namespace {

class OtherSettingsTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        KVLogger::createDatabase_Tables();
        makeStack(new Screen);
        menu = new KVMainMenuViewController;
        stack->push(menu, Animation::None);
    }
    void back()
    {
        stack->pop(Animation::None);
        flushDeletes();
    }
    KVMainMenuViewController* menu = nullptr;
};

TEST_F(OtherSettingsTest, SearchFindsZoomAndOpensTheEditorAtItsRow)
{
    menu->handleSearchSettings();
    auto* search = qobject_cast<KVSearchSettingsViewController*>(stack->topScreen());
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("Search Setting Screen loaded")));
    QTest::keyClicks(search->tableView()->searchField(), QStringLiteral("zoom"));
    QStringList shown;
    for (TableCell* cell : search->tableView()->visibleCells())
        shown << cell->titleLabel()->text();
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Enable Zoom"), QStringLiteral("Set Initial Zoom Level")}));

    QTest::mouseClick(search->tableView()->visibleCells().at(1), Qt::LeftButton);
    auto* editor = qobject_cast<KVBrowserPreferences*>(stack->topScreen());
    ASSERT_NE(editor, nullptr);
    TableCell* zoom = editor->tableView()->cellWithId(KVBrowserPreferences::id(KVBrowserPreferences::WindowSection, 9));
    ASSERT_NE(zoom, nullptr);
    EXPECT_EQ(zoom->titleLabel()->text(), QStringLiteral("Set Initial Zoom Level"));
    QScrollArea* scroll = editor->tableView()->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_GT(scroll->verticalScrollBar()->value(), 0) << "scrolled to the row";
    EXPECT_TRUE(zoom->visibleRegion().boundingRect().height() > 0);

    // Every entry for the editor names the row that sits at its place.
    for (const menuParams& e : SettingsSearch::entries()) {
        if (e.menuImage != SettingsSearch::browserPreferences())
            continue;
        TableCell* cell = editor->tableView()->cellWithId(e.menuId);
        ASSERT_NE(cell, nullptr) << e.menuMainText.toStdString();
        EXPECT_EQ(cell->row().title, e.menuMainText);
    }
}

// The search reaches every settings screen with rows of its own, and the reader settings and the
// advanced settings offer the search as the other screens do.
TEST_F(OtherSettingsTest, SearchReachesEverySettingsScreen)
{
    const struct {
        const char* typed;
        std::function<bool(Screen*)> opened;
    } cases[] = {
        {"Enable ScreenSaver", [](Screen* s) { return qobject_cast<KVScreenSaverSettingsViewController*>(s) != nullptr; }},
        {"Always Save Power", [](Screen* s) { return qobject_cast<KVPowerSaverSettingsViewController*>(s) != nullptr; }},
        {"Motion Detection", [](Screen* s) { return qobject_cast<KVMotionDetectionSettingsViewController*>(s) != nullptr; }},
        {"Allow Print", [](Screen* s) { return qobject_cast<KVPDFViewerSettingsViewController*>(s) != nullptr; }},
        {"Export for Pellmor", [](Screen* s) { return qobject_cast<KVImportExportViewController*>(s) != nullptr; }},
    };
    for (const auto& c : cases) {
        auto* search = new KVSearchSettingsViewController;
        stack->push(search, Animation::None);
        search->search(QString::fromUtf8(c.typed));
        ASSERT_FALSE(search->shown().isEmpty()) << c.typed;
        search->openEntry(0);
        Screen* opened = stack->topScreen();
        EXPECT_TRUE(c.opened(opened)) << c.typed;
        // The screens that offer the search open it from their right bar button.
        if (opened->rightBarButton() && opened->rightBarButton()->action) {
            opened->rightBarButton()->action();
            EXPECT_NE(qobject_cast<KVSearchSettingsViewController*>(stack->topScreen()), nullptr) << c.typed;
            stack->pop(Animation::None);
        }
        stack->pop(Animation::None);
        stack->pop(Animation::None);
        flushDeletes();
    }
    for (Screen* screen : {static_cast<Screen*>(new KVAdvancedSettingsViewController), KVSearchSettingsViewController::pdfViewerSettings()}) {
        stack->push(screen, Animation::None);
        EXPECT_TRUE(screen->rightBarButton() && screen->rightBarButton()->action) << qPrintable(screen->objectName());
        stack->pop(Animation::None);
        flushDeletes();
    }
}

TEST_F(OtherSettingsTest, TabbedBrowsingCountAndItsEffectOnIcons)
{
    settings().kvBrowPref.countOfTabs = 12;
    settings().kvBrowPref.allowResize = settings().kvBrowPref.allowDragDrop = true;
    stack->push(new KVWkWebviewSettingsController, Animation::None);
    auto* tabs = qobject_cast<KVWkWebviewSettingsController*>(stack->topScreen());
    TableCell* count = tabs->tableView()->cellWithId(KVWkWebviewSettingsController::CountRow);
    EXPECT_EQ(count->textField()->text(), QStringLiteral("8"));
    EXPECT_FALSE(count->isEnabled());
    tabs->tableView()->cellWithId(KVWkWebviewSettingsController::MultiTabRow)->toggle()->click();
    EXPECT_TRUE(count->isEnabled());
    count->textField()->setText(QStringLiteral("9"));
    EXPECT_FALSE(tabs->countEnded());
    EXPECT_EQ(count->textField()->text(), QStringLiteral("8"));
    EXPECT_EQ(test::toastTexts(), QStringList{QStringLiteral("Invalid Number of Tabs. Please enter value between or equal to 1 - 8.")});
    count->textField()->setText(QStringLiteral("3"));
    back();
    EXPECT_TRUE(settings().kvBrowPref.useMultiTab);
    EXPECT_EQ(settings().kvBrowPref.countOfTabs, 3);
    EXPECT_FALSE(settings().kvBrowPref.allowResize);
    EXPECT_FALSE(settings().kvBrowPref.allowDragDrop);
    EXPECT_EQ(loggedEvents(QStringLiteral("Settings")).last(), QStringLiteral("Maximum Number of Tabs Changed: 3"));
}

TEST_F(OtherSettingsTest, ToolbarNeedsTheToolbarAndStoresOnlyImageNames)
{
    settings().kvBrowPref.enableToolBar = false;
    menu->didSelectMenuId(BrowserPreferencesMenu);
    auto* editor = qobject_cast<KVBrowserPreferences*>(stack->topScreen());
    ASSERT_NE(editor, nullptr);
    Q_EMIT editor->tableView()->rowSelected(2, 1, KVBrowserPreferences::id(KVBrowserPreferences::WindowSection, 1));
    Alert* alert = Alert::visibleAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("Enable 'Show Navigation Toolbar' to configure."));
    alert->dismissWithButton(0);
    flushDeletes();
    EXPECT_EQ(stack->topScreen(), editor);

    editor->tableView()->cellWithId(KVBrowserPreferences::id(KVBrowserPreferences::WindowSection, 2))->toggle()->click();
    Q_EMIT editor->tableView()->rowSelected(2, 1, KVBrowserPreferences::id(KVBrowserPreferences::WindowSection, 1));
    auto* toolbar = qobject_cast<KVNavigationToolbarTableViewController*>(stack->topScreen());
    ASSERT_NE(toolbar, nullptr);
    EXPECT_TRUE(settings().kvBrowPref.enableToolBar) << "the editor wrote back before the sub-screen";
    toolbar->tableView()->cellWithId(100)->textField()->setText(QStringLiteral("logo.PNG"));
    EXPECT_FALSE(toolbar->imageNameEnded(100));
    EXPECT_EQ(test::toastTexts(), QStringList{QStringLiteral("Please check and try again")});
    toolbar->tableView()->cellWithId(102)->textField()->setText(QStringLiteral("home.png"));
    toolbar->tableView()->cellWithId(3)->toggle()->click();
    const bool backBefore = settings().kvBrowPref.enableBackButton;
    back();
    EXPECT_EQ(settings().kvBrowPref.refreshImage, QString()) << "a refused name is not stored";
    EXPECT_EQ(settings().kvBrowPref.homeImage, QStringLiteral("home.png"));
    EXPECT_NE(settings().kvBrowPref.enableBackButton, backBefore);
    EXPECT_EQ(stack->topScreen(), editor);
}

// The reader's settings show the stored switches each time it appears and writes what was set back
// when it goes.
TEST_F(OtherSettingsTest, ReaderSettingsWriteTheirSwitchesBack)
{
    settings().kvBrowPref.isAllowDownloadInPDFViewer = true;
    settings().kvBrowPref.isAllowPrintInPDFViewer = false;
    for (int round = 0; round < 2; ++round) {
        auto* screen = new KVPDFViewerSettingsViewController;
        stack->push(screen, NavigationStack::Animation::None);
        const bool shown[] = {settings().kvBrowPref.isAllowPDFViewer, settings().kvBrowPref.isAllowDownloadInPDFViewer,
                              settings().kvBrowPref.isAllowPrintInPDFViewer};
        for (int id = 0; id < 3; ++id) {
            ToggleSwitch* toggle = screen->tableView()->cellWithId(id)->toggle();
            ASSERT_NE(toggle, nullptr);
            EXPECT_EQ(toggle->isChecked(), shown[id]) << round << id;
            toggle->click();
        }
        stack->pop(NavigationStack::Animation::None);
        EXPECT_EQ(settings().kvBrowPref.isAllowPDFViewer, !shown[0]);
        EXPECT_EQ(settings().kvBrowPref.isAllowDownloadInPDFViewer, !shown[1]);
        EXPECT_EQ(settings().kvBrowPref.isAllowPrintInPDFViewer, !shown[2]);
    }
}

TEST_F(OtherSettingsTest, UserAgentIsSetOrLeft)
{
    settings().kvBrowPref.userAgents = QStringLiteral("Imported Agent/1.0");
    for (const bool set : {false, true}) {
        stack->push(new KVUserAgentsViewController, Animation::None);
        auto* agents = qobject_cast<KVUserAgentsViewController*>(stack->topScreen());
        ASSERT_EQ(agents->userAgents(), (QStringList{QStringLiteral("Default"), QStringLiteral("Imported Agent/1.0")}));
        EXPECT_EQ(agents->checkedRow(), 1);
        agents->selectRow(0);
        set ? agents->set() : agents->cancel();
        flushDeletes();
        EXPECT_EQ(stack->topScreen(), menu);
        EXPECT_EQ(settings().kvBrowPref.userAgents, set ? QStringLiteral("Default") : QStringLiteral("Imported Agent/1.0"));
        if (set) {
            EXPECT_EQ(loggedEvents(QStringLiteral("Settings")).last(), QStringLiteral("User Agent Changed: Default"));
            break;
        }
    }
}

TEST_F(OtherSettingsTest, LicencesAndSystemInformation)
{
    menu->didSelectMenuId(OpenSourceLicensesMenu);
    auto* licences = qobject_cast<OpenSourceLicensesViewController*>(stack->topScreen());
    ASSERT_NE(licences, nullptr);
    QList<TableCell*> rows = licences->tableView()->visibleCells();
    ASSERT_GT(rows.size(), 10);
    QTest::mouseClick(rows.first(), Qt::LeftButton, {}, rows.first()->rect().center());
    auto* notice = qobject_cast<OpenSourceLicensesViewController*>(stack->topScreen());
    ASSERT_NE(notice, licences);
    ASSERT_NE(notice->noticeView(), nullptr);
    EXPECT_FALSE(notice->noticeView()->toPlainText().isEmpty());
    stack->popToRoot(Animation::None);
    flushDeletes();

    menu = new KVMainMenuViewController;
    stack->push(menu, Animation::None);
    menu->didSelectMenuId(SystemSettingsMenu);
    auto* system = qobject_cast<SystemInformationViewController*>(stack->topScreen());
    ASSERT_NE(system, nullptr);
    QStringList details;
    for (TableCell* cell : system->tableView()->visibleCells())
        details << cell->row().detail;
    EXPECT_TRUE(details.contains(Paths::documentsDirectory()));
    EXPECT_TRUE(details.contains(QStringLiteral("Not running")));
}

}  // namespace
}  // namespace korvel
