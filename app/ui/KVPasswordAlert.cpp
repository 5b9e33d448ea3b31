#include "app/ui/KVPasswordAlert.h"

#include "browser/AdminTapGesture.h"
#include "browser/ui/KVWKViewController.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "settings/TalvexUtils.h"

#include <QLineEdit>

namespace korvel {

namespace {

QPointer<NavigationStack> registered;

std::function<void(NavigationStack*)>& opener()
{
    static std::function<void(NavigationStack*)> open;
    return open;
}

constexpr std::chrono::seconds idleTimeout(10);

}  // namespace

void KVPasswordAlert::initViewController(NavigationStack* stack)
{
    registered = stack;
}

NavigationStack* KVPasswordAlert::registeredStack()
{
    return registered.data();
}

void KVPasswordAlert::setSettingsOpener(std::function<void(NavigationStack*)> open)
{
    opener() = std::move(open);
}

void KVPasswordAlert::moveToSettingsScreen()
{
    if (!opener() || !registered)
        return;
    // A page under the settings goes quiet and stops acting until the administrator is done.
    if (qobject_cast<KVWKViewController*>(registered->topScreen()))
        NotificationCenter::defaultCenter().post(QStringLiteral("callSingleTabDisappear"));
    opener()(registered.data());
}

void KVPasswordAlert::showPasswordAlert(QWidget* over)
{
    // The prompt lives as long as its alert.
    new KVPasswordAlert(over);
}

KVPasswordAlert::KVPasswordAlert(QWidget* over)
{
    auto* alert = new Alert(QStringLiteral("Korvel"), QStringLiteral("Enter password to enter settings.\nDefault password is 9246"));
    m_alert = alert;
    alert->addTextField(QString(), Alert::TextEntry::Secure);
    alert->addButton(QStringLiteral("Cancel"), Alert::Role::Cancel);
    alert->addButton(QStringLiteral("OK"), Alert::Role::Default, [over = QPointer<QWidget>(over)](Alert& answered) {
        if (AdminTapGesture::passwordMatches(answered.textFieldText(0), TalvexUtils::getPassword()))
            moveToSettingsScreen();
        else if (over)
            makeToast(over, QStringLiteral("Wrong Password!"));
    });
    connect(alert, &Alert::finished, this, [this] {
        NotificationCenter::defaultCenter().removeObserver(this);
        m_idle.stop();
        deleteLater();
    });
    connect(&m_idle, &Timer::timeout, this, &KVPasswordAlert::idleTimerExceeded);
    NotificationCenter::defaultCenter().addObserver(this, QStringLiteral("EventHasOccurred"),
                                                    [this](const Notification&) { resetIdleTimer(); });
    if (!alert->showOver(over)) {
        deleteLater();
        return;
    }
    resetIdleTimer();
}

void KVPasswordAlert::resetIdleTimer()
{
    m_idle.start(idleTimeout, TimerMode::Repeating);
}

void KVPasswordAlert::idleTimerExceeded()
{
    // Left untouched, the prompt goes as if "Cancel" were pressed.
    if (m_alert)
        m_alert->dismissWithButton(m_alert->buttonIndex(QStringLiteral("Cancel")));
}

}  // namespace korvel
