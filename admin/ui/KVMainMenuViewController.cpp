#include "admin/ui/KVMainMenuViewController.h"

#include "admin/AdminState.h"
#include "admin/ui/AboutKorvelViewController.h"
#include "admin/ui/UnavailableScreen.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QListWidget>
#include <QVBoxLayout>

namespace korvel {

namespace {

KVMainMenuViewController* liveMenu = nullptr;

constexpr int menuIdRole = Qt::UserRole + 1;

}  // namespace

KVMainMenuViewController::KVMainMenuViewController(QWidget* parent)
    : Screen(parent)
{
    liveMenu = this;
    setTitle(QStringLiteral("Settings"));
    m_table = new QListWidget(this);
    m_table->setObjectName(QStringLiteral("menuTable"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);
    // A kiosk is touched, not double-clicked: one tap opens the row.
    connect(m_table, &QListWidget::itemClicked, this, &KVMainMenuViewController::rowActivated);
    connect(m_table, &QListWidget::itemActivated, this, &KVMainMenuViewController::rowActivated);
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
    setRightBarButton(BarButton{QStringLiteral("Search"), [this] { handleSearchSettings(); }, {}});
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
    m_table->clear();
    for (const menuParams& entry : m_tableData) {
        auto* item = new QListWidgetItem(m_table);
        item->setText(entry.menuSubText.isEmpty() ? entry.menuMainText
                                                  : entry.menuMainText + QLatin1Char('\n') + entry.menuSubText);
        item->setData(menuIdRole, entry.menuId);
    }
}

void KVMainMenuViewController::rowActivated(QListWidgetItem* item)
{
    if (item)
        didSelectMenuId(item->data(menuIdRole).toInt());
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
