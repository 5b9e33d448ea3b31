#include "admin/ui/KVSearchSettingsViewController.h"

#include "admin/SettingsSearch.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVMotionDetectionSettingsViewController.h"
#include "admin/ui/KVNavigationToolbarTableViewController.h"
#include "admin/ui/KVPowerSaverSettingsViewController.h"
#include "admin/ui/KVScreenSaverSettingsViewController.h"
#include "admin/ui/KVSpecialLinksViewController.h"
#include "admin/ui/KVWkWebviewSettingsController.h"
#include "admin/ui/KVPDFViewerSettingsViewController.h"
#include "log/KVLog.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Images.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"
#include "transfer/ui/KVImportExportViewController.h"

#include <QLineEdit>
#include <QVBoxLayout>

namespace korvel {

KVSearchSettingsViewController::KVSearchSettingsViewController(QWidget* parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("searchSettings"));
    //% "Search Settings"
    setTitle(qtTrId("SETTINGS_SEARCH_TITLE"));
    m_table = new TableView(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    //% "Search all settings"
    m_table->setSearchPlaceholder(qtTrId("TEXT_SEARCH_SETTINGS"));
    //% "No setting has that name."
    m_table->setEmptyText(qtTrId("TEXT_NO_SETTING_FOUND"));
    connect(m_table->searchField(), &QLineEdit::textChanged, this, [this](const QString& text) { m_shown = SettingsSearch::filter(text); });
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int index) {
        const QList<menuParams>& all = SettingsSearch::entries();
        if (index >= 0 && index < all.size())
            openEntry(int(m_shown.indexOf(all.at(index))));
    });
}

void KVSearchSettingsViewController::viewDidLoad()
{
    KVLog(QStringLiteral("App General"), QStringLiteral("Search Setting Screen loaded"));
    // One group per screen, so a row says where it lives; the table's search looks at the row's
    // title and subtitle only, as SettingsSearch::filter does.
    QList<TableSection> sections;
    const QList<menuParams>& all = SettingsSearch::entries();
    for (int i = 0; i < all.size(); ++i) {
        if (i == 0 || all.at(i - 1).menuImage != all.at(i).menuImage)
            sections.append(TableSection{SettingsSearch::screenTitle(all.at(i).menuImage), {}, {}});
        TableRow row;
        row.id = i;
        row.title = all.at(i).menuMainText;
        row.detail = all.at(i).menuSubText;
        row.accessory = Accessory::Disclosure;
        sections.last().rows.append(row);
    }
    m_table->setSections(sections);
    m_shown = all;
}

void KVSearchSettingsViewController::viewWillAppear(bool)
{
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

void KVSearchSettingsViewController::search(const QString& text)
{
    m_table->setSearchText(text);
    m_shown = SettingsSearch::filter(text);
}

void KVSearchSettingsViewController::openEntry(int row)
{
    NavigationStack* stack = navigationStack();
    if (!stack || row < 0 || row >= m_shown.size())
        return;
    const menuParams entry = m_shown.at(row);
    const QString& screen = entry.menuImage;
    if (screen == SettingsSearch::browserPreferences()) {
        auto* editor = new KVBrowserPreferences;
        editor->setScrollToIndexPath(entry.menuId / 100, entry.menuId % 100);
        stack->push(editor, Animation::Animated);
    } else if (screen == SettingsSearch::advancedSettings()) {
        stack->push(new KVAdvancedSettingsViewController, Animation::Animated);
    } else if (screen == SettingsSearch::navigationToolbar()) {
        if (!KVSettings::getSettingsObject().kvBrowPref.enableToolBar) {
            //% "Enable 'Show Navigation Toolbar' to configure."
            auto* alert = new Alert(qtTrId("SETTINGS_ENABLE_TOOLBAR_FIRST"));
            //% "OK"
            alert->addButton(qtTrId("SETTINGS_OK"));
            alert->showOver(this);
            return;
        }
        stack->push(new KVNavigationToolbarTableViewController, Animation::Animated);
    } else if (screen == SettingsSearch::multiTab()) {
        stack->push(new KVWkWebviewSettingsController, Animation::Animated);
    } else if (screen == SettingsSearch::specialLinks()) {
        stack->push(new KVSpecialLinksViewController, Animation::Animated);
    } else if (screen == SettingsSearch::screensaver()) {
        stack->push(new KVScreenSaverSettingsViewController, Animation::Animated);
    } else if (screen == SettingsSearch::powerSaver()) {
        stack->push(new KVPowerSaverSettingsViewController, Animation::Animated);
    } else if (screen == SettingsSearch::motion()) {
        stack->push(new KVMotionDetectionSettingsViewController, Animation::Animated);
    } else if (screen == SettingsSearch::pdfViewer()) {
        stack->push(pdfViewerSettings(), Animation::Animated);
    } else if (screen == SettingsSearch::importExport()) {
        stack->push(new KVImportExportViewController, Animation::Animated);
    }
}

Screen* KVSearchSettingsViewController::pdfViewerSettings()
{
    auto* screen = new KVPDFViewerSettingsViewController;
    screen->setProperty("barImageButtonName", qtTrId("TEXT_SEARCH_SETTINGS"));
    screen->setRightBarButton(BarButton{QString(),
                                        [screen] {
                                            if (NavigationStack* stack = screen->navigationStack())
                                                stack->push(new KVSearchSettingsViewController, Animation::Animated);
                                        },
                                        Images::icon(QStringLiteral("search_settings"))});
    return screen;
}

}  // namespace korvel
