#include "admin/ui/KVMainMenuViewController.h"

#include "admin/AdminPassword.h"
#include "admin/AdminState.h"
#include "admin/ui/AboutKorvelViewController.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/KVPolicyListViewController.h"
#include "admin/ui/KVSearchSettingsViewController.h"
#include "admin/ui/KVLogViewController.h"
#include "admin/ui/LockdownViewController.h"
#include "admin/ui/OpenSourceLicensesViewController.h"
#include "admin/ui/SystemInformationViewController.h"
#include "transfer/ui/KVImportExportViewController.h"
#include "log/KVLog.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Images.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/TableView.h"
#include "platform/ui/Toast.h"
#include "platform/ui/WaitingAlertView.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"

#include <QPointer>
#include <QVBoxLayout>

namespace korvel {

namespace {

KVMainMenuViewController* liveMenu = nullptr;

}  // namespace

KVMainMenuViewController::KVMainMenuViewController(QWidget* parent)
    : Screen(parent)
{
    liveMenu = this;
    //% "Settings"
    setTitle(qtTrId("SETTINGS_TITLE"));
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
    if (liveMenu != this)
        return;
    liveMenu = nullptr;
    // Left without "Done" (the kiosk went to the background and back to its root): the kiosk
    // resumes all the same, or the automatic import would wait for good.
    if (AdminState::state() == 1) {
        AdminState::resumeKiosk();
        AdminState::setState(0);
    }
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
    //% "Done"
    setLeftBarButton(BarButton{qtTrId("TEXT_DONE"), [this] { handleBack(); }, {}});
    setProperty("barImageButtonName", qtTrId("TEXT_SEARCH_SETTINGS"));
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
    const FactoryPassword password = PasswordStore::isFactoryPasswordInUse() ? FactoryPassword::InUse : FactoryPassword::Changed;
    m_tableData = menuEntries(KVSettings::getSettingsObject().kvBrowPref, password);
    // One group of rows, as the entries are one list; each row opens its area. The password
    // warning stands apart above them.
    QList<TableSection> sections{TableSection{}};
    for (const menuParams& entry : m_tableData) {
        TableRow row;
        row.id = entry.menuId;
        row.title = entry.menuMainText;
        row.detail = entry.menuSubText;
        row.image = entry.menuImage;
        row.accessory = Accessory::Disclosure;
        if (entry.menuId == ChangePasswordMenu)
            sections.prepend(TableSection{{}, {}, {row}});
        else
            sections.last().rows.append(row);
    }
    m_table->setSections(sections);
}

void KVMainMenuViewController::didSelectMenuId(int menuId)
{
    NavigationStack* stack = navigationStack();
    if (!stack)
        return;
    switch (menuId) {
    case AllowedWebsitesMenu:
    case BlockedWebsitesMenu:
    case ManageCategoriesMenu: {
        const auto kind = menuId == AllowedWebsitesMenu ? KVPolicyListViewController::Kind::AllowedWebsites
                          : menuId == BlockedWebsitesMenu ? KVPolicyListViewController::Kind::BlockedWebsites
                                                          : KVPolicyListViewController::Kind::Categories;
        // "Blocked Websites" is a row only while every website is allowed.
        bool listed = false;
        for (const menuParams& entry : m_tableData)
            listed = listed || entry.menuId == menuId;
        auto* top = qobject_cast<KVPolicyListViewController*>(stack->topScreen());
        if (listed && !(top && top->kind() == kind))
            stack->push(new KVPolicyListViewController(kind), Animation::Animated);
        break;
    }
    case AdvancedSettingsMenu:
        if (!qobject_cast<KVAdvancedSettingsViewController*>(stack->topScreen()))
            stack->push(new KVAdvancedSettingsViewController, Animation::Animated);
        break;
    case BrowserPreferencesMenu:
        if (!qobject_cast<KVBrowserPreferences*>(stack->topScreen()))
            stack->push(new KVBrowserPreferences, Animation::Animated);
        break;
    case SystemSettingsMenu:
        if (!qobject_cast<SystemInformationViewController*>(stack->topScreen()))
            stack->push(new SystemInformationViewController, Animation::Animated);
        break;
    case CheckLockdownMenu:
        if (!qobject_cast<LockdownViewController*>(stack->topScreen()))
            stack->push(new LockdownViewController, Animation::Animated);
        break;
    case OpenSourceLicensesMenu:
        if (!qobject_cast<OpenSourceLicensesViewController*>(stack->topScreen()))
            stack->push(new OpenSourceLicensesViewController, Animation::Animated);
        break;
    case ImportExportMenu:
        if (!qobject_cast<KVImportExportViewController*>(stack->topScreen()))
            stack->push(new KVImportExportViewController, Animation::Animated);
        break;
    case ViewLogMenu:
        if (!qobject_cast<KVLogViewController*>(stack->topScreen())) {
            // The rows are read on this thread, which takes a moment on a small panel with a full
            // log: the wait is painted before the work begins.
            auto* waiting = new WaitingAlertView(this);
            //% "Preparing Logs..."
            waiting->showOver(this, qtTrId("LOG_PREPARING"));
            waiting->repaint();
            KVLog(QStringLiteral("App General"), QStringLiteral("Preparing Korvel Logs"));
            // Every category, oldest first: the newest entry is where the list opens.
            auto* log = new KVLogViewController;
            log->loadViewIfNeeded();
            stack->push(log, Animation::None);
            waiting->dismiss();
            waiting->deleteLater();
        }
        break;
    case AboutMenu:
        if (!qobject_cast<AboutKorvelViewController*>(stack->topScreen()))
            stack->push(new AboutKorvelViewController, Animation::Animated);
        break;
    case ChangePasswordMenu:
        showChangePassword();
        break;
    default:
        break;
    }
}

Alert* KVMainMenuViewController::showChangePassword()
{
    //% "Change the password"
    auto* alert = new Alert(qtTrId("TEXT_CHANGE_PASSWORD_TITLE"));
    //% "New password"
    alert->addTextField(qtTrId("TEXT_NEW_PASSWORD"), Alert::TextEntry::Secure);
    //% "The new password again"
    alert->addTextField(qtTrId("TEXT_NEW_PASSWORD_AGAIN"), Alert::TextEntry::Secure);
    //% "Cancel"
    alert->addButton(qtTrId("BTN_TITLE_CANCEL"), Alert::Role::Cancel);
    //% "Change"
    alert->addButton(qtTrId("TEXT_CHANGE"), Alert::Role::Default, [menu = QPointer<KVMainMenuViewController>(this)](Alert& answered) {
        const PasswordChange result = AdminPassword::change(answered.textFieldText(0), answered.textFieldText(1));
        if (!menu)
            return;
        switch (result) {
        case PasswordChange::Changed:
            //% "The password is changed."
            makeToast(menu, qtTrId("TEXT_PASSWORD_CHANGED"));
            menu->loadMenuData();
            break;
        case PasswordChange::Empty:
            //% "The password cannot be empty."
            makeToast(menu, qtTrId("TEXT_PASSWORD_EMPTY"));
            break;
        case PasswordChange::Mismatch:
            //% "The two passwords differ."
            makeToast(menu, qtTrId("TEXT_PASSWORDS_DIFFER"));
            break;
        case PasswordChange::NotSaved:
            //% "The password could not be saved."
            makeToast(menu, qtTrId("TEXT_PASSWORD_NOT_SAVED"));
            break;
        }
    });
    alert->showOver(this);
    return alert;
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
    NavigationStack* stack = navigationStack();
    if (stack && !qobject_cast<KVSearchSettingsViewController*>(stack->topScreen()))
        stack->push(new KVSearchSettingsViewController, Animation::Animated);
}

}  // namespace korvel
