#include "app/ui/KVPasswordAlert.h"

#include "admin/AdminPassword.h"
#include "app/KeySilence.h"
#include "app/ui/KioskInput.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/BrowserTabsController.h"
#include "browser/ui/Routes.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Paths.h"
#include "platform/ui/Alert.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Toast.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"

#include <QLineEdit>
#include <QRegularExpression>

namespace korvel {

namespace {

// The prompt's buttons by index: Cancel first, then OK.
constexpr int cancelButton = 0;

QPointer<NavigationStack> registered;

constexpr std::chrono::seconds idleTimeout(10);

// "Too many wrong passwords. Try again in 2:30."
QString pausedText(std::chrono::seconds wait)
{
    const qint64 s = wait.count();
    //% "Too many wrong passwords. Try again in %1."
    return qtTrId("TEXT_PASSWORD_PAUSED").arg(QStringLiteral("%1:%2").arg(s / 60).arg(s % 60, 2, 10, QLatin1Char('0')));
}

}  // namespace

void KVPasswordAlert::initViewController(NavigationStack* stack)
{
    registered = stack;
}

void KVPasswordAlert::moveToSettingsScreen()
{
    const auto& open = Routes::current().showSettings;
    if (!open || !registered)
        return;
    // A page under the settings goes quiet and stops acting until the administrator is done.
    if (qobject_cast<KVWKViewController*>(registered->topScreen()))
        NotificationCenter::defaultCenter().post(kCallSingleTabDisappearNotification);
    else if (qobject_cast<BrowserTabsController*>(registered->topScreen()))
        NotificationCenter::defaultCenter().post(kCallMultiTabDisappearNotification);
    open(registered.data());
}

void KVPasswordAlert::requestAccess(QWidget* over)
{
    switch (PasswordStore::readPassword().state) {
    case PasswordState::Set:
        showPasswordAlert(over);
        break;
    case PasswordState::None:
        moveToSettingsScreen();
        break;
    case PasswordState::Damaged:
        showDamagedStoreAlert(over);
        break;
    }
}

void KVPasswordAlert::showDamagedStoreAlert(QWidget* over)
{
    // The way out needs the home directory, which the person at the device does not have.
    QString home = Paths::home();
    // Typed into a shell as shown: a home with unusual characters goes in single quotes.
    if (home.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9/._+-]"))))
        home = QLatin1Char('\'') + home.replace(QLatin1Char('\''), QStringLiteral("'\\''")) + QLatin1Char('\'');
    const QString command = home.isEmpty() ? QStringLiteral("korvelctl password set")
                                           : QStringLiteral("korvelctl --home %1 password set").arg(home);
    auto* alert = new Alert(QStringLiteral("Korvel"),
                            //% "The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:"
                            qtTrId("TEXT_PASSWORD_STORE_DAMAGED") + QLatin1Char('\n') + command);
    alert->addButton(qtTrId("APP_OK"), Alert::Role::Cancel);
    alert->showOver(over);
}

void KVPasswordAlert::showPasswordAlert(QWidget* over)
{
    // The prompt lives as long as its alert.
    new KVPasswordAlert(over);
}

KVPasswordAlert::KVPasswordAlert(QWidget* over)
{
    QString message = qtTrId("APP_PASSWORD_PROMPT");
    // Anyone at the device reads the prompt: the factory password only while nobody has set up
    // the device, when the administrator needs it to begin.
    if (AdminPassword::showsFactoryHint(KVSettings::getSettingsObject()))
        message += QLatin1Char('\n') + qtTrId("APP_DEFAULT_PASSWORD").arg(QStringLiteral("9246"));
    // While paused, only that matters; it also keeps the prompt short enough to stay readable
    // above the on-screen keyboard of a small panel.
    if (const std::chrono::seconds paused = AdminPassword::pausedFor(); paused.count() > 0)
        message = pausedText(paused);
    // The page's keyboard goes first: the prompt brings up its own, and a cancelled prompt must not
    // hand the page's field its keyboard back.
    KioskInput::dismissKeyboard();
    auto* alert = new Alert(QStringLiteral("Korvel"), message);
    m_alert = alert;
    alert->addTextField(QString(), Alert::TextEntry::Secure);
    alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    alert->addButton(qtTrId("APP_OK"), Alert::Role::Default, [this, over = QPointer<QWidget>(over)](Alert& answered) {
        const PasswordAttempt attempt = AdminPassword::attempt(answered.textFieldText(0));
        switch (attempt.verdict) {
        case PasswordAttempt::Verdict::Accepted:
            m_settingsOpened = true;
            moveToSettingsScreen();
            break;
        case PasswordAttempt::Verdict::Wrong:
            if (over)
                makeToast(over, qtTrId("APP_WRONG_PASSWORD"));
            if (over && attempt.wait.count() > 0)
                makeToast(over, pausedText(attempt.wait));
            break;
        case PasswordAttempt::Verdict::Refused:
            if (over)
                makeToast(over, pausedText(attempt.wait));
            break;
        case PasswordAttempt::Verdict::Damaged:
            showDamagedStoreAlert(over);
            break;
        }
    });
    connect(alert, &Alert::finished, this, [this] {
        // Whoever was typing the password goes on typing into what is in front now, unless keys
        // wait for a touch.
        if (!m_settingsOpened)
            KeySilence::begin();
        NotificationCenter::defaultCenter().removeObserver(this);
        m_idle.stop();
        deleteLater();
    });
    connect(&m_idle, &Timer::timeout, this, &KVPasswordAlert::idleTimerExceeded);
    NotificationCenter::defaultCenter().addObserver(this, kEventHasOccurredNotification,
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
        m_alert->dismissWithButton(cancelButton);
}

}  // namespace korvel
