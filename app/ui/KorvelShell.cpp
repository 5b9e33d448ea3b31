#include "app/ui/KorvelShell.h"

#include "admin/AdminState.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "admin/ui/KVWelcomeScreenViewController.h"
#include "app/KVAppDelegate.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KVPasswordAlert.h"
#include "browser/AdminAccess.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"
#include "settings/TalvexUtils.h"

namespace korvel {

KorvelShell::KorvelShell()
    : m_delegate(std::make_unique<KVAppDelegate>())
{
    m_delegate->didFinishLaunching();
    m_window = std::make_unique<KVMainWindow>();
    NavigationStack* stack = m_window->navigationStack();
    KVPasswordAlert::initViewController(stack);
    KVPasswordAlert::setSettingsOpener([](NavigationStack* on) {
        on->push(new KVMainMenuViewController, NavigationStack::Animation::None);
    });
    AdminAccess::setGrantedHandler([](QWidget* screen) {
        // Without a password the settings open at once.
        if (TalvexUtils::getPassword().isEmpty())
            KVPasswordAlert::moveToSettingsScreen();
        else
            KVPasswordAlert::showPasswordAlert(screen);
    });
    // The settings menu tells the delegate while it is open (state 1), so that leaving the
    // foreground can return to the root.
    AdminState::setHooks({[this](qint32 state) { m_delegate->state = state; }, nullptr, nullptr});
    stack->push(new KVWelcomeScreenViewController, NavigationStack::Animation::None);
}

KorvelShell::~KorvelShell()
{
    AdminAccess::setGrantedHandler(nullptr);
    AdminState::setHooks({});
    KVPasswordAlert::setSettingsOpener(nullptr);
}

void KorvelShell::show()
{
    m_window->showForKiosk(KVSettings::getSettingsObject().kvBrowPref.fullScreen);
}

}  // namespace korvel
