#include "admin/ui/KVMainMenuViewController.h"

#include "admin/AdminState.h"
#include "admin/ui/AboutKorvelViewController.h"
#include "admin/ui/UnavailableScreen.h"
#include "log/KVLog.h"
#include "platform/ui/Images.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "settings/KVSettings.h"

#include <QVBoxLayout>

namespace korvel {

namespace {

KVMainMenuViewController* liveMenu = nullptr;

}  // namespace

KVMainMenuViewController::KVMainMenuViewController(QWidget* parent)
    : Screen(parent)
{
    liveMenu = this;
    setTitle(QStringLiteral("Settings"));
    m_table = new TableView(this);
    m_table->setObjectName(QStringLiteral("menuTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    // Selection goes by the entry's identity, never by the row's place.
    connect(m_table, &TableView::rowSelected, this, [this](int, int, int menuId) { didSelectMenuId(menuId); });
}

KVMainMenuViewController::~KVMainMenuViewController()
{
    if (liveMenu == this)
        liveMenu = nullptr;
}

KVMainMenuViewController* KVMainMenuViewController::getObject()
{
    return liveMenu;
}

void KVMainMenuViewController::viewDidLoad()
{
    AdminState::suspendKiosk();
    AdminState::setState(1);
    loadMenuData();
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
    setLeftBarButton(BarButton{QStringLiteral("Done"), [this] { handleBack(); }, {}});
    setRightBarButton(BarButton{QString(), [this] { handleSearchSettings(); }, Images::icon(QStringLiteral("search_settings"))});
    KVLog(QStringLiteral("App General"), QStringLiteral("Main Menu loaded"));
}

void KVMainMenuViewController::viewWillAppear(bool animated)
{
    // The preferences editor may have switched "allow all websites" while it was on top; the
    // About row's version line is part of the rebuild.
    loadMenuData();
    if (NavigationStack* stack = navigationStack())
        stack->showNavigationBar();
}

void KVMainMenuViewController::loadMenuData()
{
    m_tableData = menuEntries(KVSettings::getSettingsObject().kvBrowPref);
    // One group of rows, as the entries are one list; each row opens its area.
    TableSection section;
    for (const menuParams& entry : m_tableData) {
        TableRow row;
        row.id = entry.menuId;
        row.title = entry.menuMainText;
        row.detail = entry.menuSubText;
        row.image = entry.menuImage;
        row.accessory = Accessory::Disclosure;
        section.rows.append(row);
    }
    m_table->setSections({section});
}

void KVMainMenuViewController::pushUnlessOnTop(int menuId, const QString& title)
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    if (auto* top = qobject_cast<UnavailableScreen*>(stack->topScreen()); top && top->menuId() == menuId)
        return;
    stack->push(new UnavailableScreen(title, menuId), Animation::Animated);
}

void KVMainMenuViewController::didSelectMenuId(int menuId)
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    switch (menuId) {
    case AllowedWebsitesMenu:
    case BlockedWebsitesMenu:
    case BrowserPreferencesMenu:
    case AdvancedSettingsMenu:
    case ImportExportMenu:
    case ManageCategoriesMenu:
    case ViewLogMenu:
    case SystemSettingsMenu:
    case OpenSourceLicensesMenu:
        for (const menuParams& entry : m_tableData) {
            if (entry.menuId == menuId)
                pushUnlessOnTop(menuId, entry.menuMainText);
        }
        break;
    case AboutMenu:
        if (!qobject_cast<AboutKorvelViewController*>(stack->topScreen()))
            stack->push(new AboutKorvelViewController, Animation::Animated);
        break;
    default:
        break;
    }
}

void KVMainMenuViewController::handleBack()
{
    AdminState::resumeKiosk();
    AdminState::setState(0);
    if (NavigationStack* stack = navigationStack())
        stack->popToRoot(Animation::None);
}

void KVMainMenuViewController::handleSearchSettings()
{
    pushUnlessOnTop(0, QStringLiteral("Search Settings"));
}

}  // namespace korvel
