#include "app/ui/KorvelShell.h"

#include "admin/AdminState.h"
#include "admin/ui/KVAdvancedSettingsViewController.h"
#include "admin/ui/KVBrowserPreferences.h"
#include "admin/ui/LockdownViewController.h"
#include "admin/ui/KVWelcomeScreenViewController.h"
#include "app/KVAppDelegate.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KVPasswordAlert.h"
#include "app/ui/KVStatusBar.h"
#include "app/ui/LanguageSwitch.h"
#include "app/ui/LookSwitch.h"
#include "app/ui/MotionLock.h"
#include "browser/AdminAccess.h"
#include "browser/HandedOverAddress.h"
#include "browser/PowerSaver.h"
#include "browser/ui/BrowserData.h"
#include "app/ui/LockdownReport.h"
#include "app/ui/RemoteKiosk.h"
#include "app/ui/ShellRoutes.h"
#include "browser/VisitRules.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVWKViewController.h"
#include "browser/ui/KVScreensaver.h"
#include "browser/ui/Routes.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/ui/Alert.h"
#include "platform/ui/DimmingOverlay.h"
#include "platform/ui/Theme.h"
#include "platform/ui/WakeTouchFilter.h"
#include "platform/ui/NavigationStack.h"
#include "platform/UserDefaults.h"
#include "log/KVLog.h"
#include "settings/KVSettings.h"

#include <QEvent>
#include <QFile>
#include <QGuiApplication>

#include <algorithm>

namespace korvel {

KorvelShell::KorvelShell()
    : m_delegate(std::make_unique<KVAppDelegate>())
{
    // The gesture's time restriction counts from here on every screen, whichever comes and goes.
    AdminAccess::setTimeStart(Clock::instance().now());
    m_delegate->didFinishLaunching();
    m_delegate->lockdownReport = [] { return LockdownReport::current(); };
    LockdownViewController::setReportSource([] { return LockdownReport::current(); });
    // The first screens are made in the chosen text size and colours.
    LookSwitch::follow();
    m_window = std::make_unique<KVMainWindow>();
    m_window->setStatusBar(new KVStatusBar(m_delegate->reachability.get()));
    NavigationStack* stack = m_window->navigationStack();
    KVPasswordAlert::initViewController(stack);
    AdminAccess::setGrantedHandler(&KVPasswordAlert::requestAccess);
    ShellRoutes::install(stack);
    installLanguageSwitch(stack);
    // The settings menu tells the delegate while it is open (state 1), so that leaving the
    // foreground can return to the root.
    AdminState::setHooks({[this](qint32 state) { m_delegate->state = state; },
                          [this] {
                              if (PowerSaver* saver = PowerSaver::current())
                                  saver->cancelPendingCheck();
                              m_delegate->stopActivityUpdates();
                              m_delegate->settingsOpened();
                          },
                          [this] {
                              m_delegate->startActivityUpdates();
                              m_delegate->settingsClosed();
                          }});
    m_delegate->returnToRoot = [stack] { stack->popToRoot(NavigationStack::Animation::None); };
    // Back to the root, whose welcome screen hands over to a home screen made anew; on the welcome
    // screen itself, that hand-over alone.
    m_delegate->returnToStart = [stack] {
        Screen* top = stack->topScreen();
        if (top && top == KVWelcomeScreenViewController::getWelcomeScreenObject())
            top->viewWillAppear(false);
        else
            stack->popToRoot(NavigationStack::Animation::None);
    };
    m_delegate->dismissVisibleAlert = [] {
        if (Alert* alert = Alert::visibleAlert())
            alert->dismiss();
    };
    // Hidden, minimised or a locked session: the kiosk is in the background.
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, m_window.get(), [this](Qt::ApplicationState s) {
        const bool background = s == Qt::ApplicationHidden || s == Qt::ApplicationSuspended;
        if (s != Qt::ApplicationActive && m_active)
            m_delegate->applicationWillResignActive();
        m_active = s == Qt::ApplicationActive;
        if (background && !m_inBackground) {
            m_inBackground = true;
            m_delegate->applicationDidEnterBackground();
        } else if (s == Qt::ApplicationActive && m_inBackground) {
            m_inBackground = false;
            m_delegate->applicationWillEnterForeground();
        }
    });
    m_delegate->clearBrowserCache = &BrowserData::clearBrowserCache;
    m_delegate->showMessage = [stack](const QString& text, int seconds) {
        auto* message = new Alert(QString(), text);
        message->setAutoDismiss(std::chrono::seconds(seconds));
        message->showOver(stack);
    };
    // A document from the device management: the screen on top is made again from it. A window
    // whose website the document no longer lists would only show its refusal (a blank page until
    // someone came by): the kiosk goes back to its start, where the new list is.
    m_delegate->rebuildVisibleScreen = [this, stack] {
        Screen* visible = stack->topScreen();
        auto* window = qobject_cast<KVWKViewController*>(visible);
        if (window && window->selectedWebsite()
            && !VisitRules::stillListed(*window->selectedWebsite(), KVSettings::getSettingsObject().allowedWebsites)) {
            m_delegate->returnToStart();
        } else if (visible) {
            visible->viewDidLoad();
            visible->viewWillAppear(false);
        }
    };
    // A korvelctl command changed the settings: the home screen lists what is now allowed. A page
    // on screen stays; the new rules apply to its next navigation.
    m_delegate->refreshVisibleScreen = [stack] {
        Screen* visible = stack->topScreen();
        if (qobject_cast<KVHomePageViewController*>(visible) || visible == KVWelcomeScreenViewController::getWelcomeScreenObject())
            visible->viewWillAppear(false);
    };
    // A save that failed is never silent: it is logged, and said on screen while the administrator
    // is in the settings (a visitor could do nothing about it).
    QObject::connect(&UserDefaults::standard(), &UserDefaults::saveFailed, m_window.get(), [this, stack](const QString& reason) {
        KVLog(QStringLiteral("Error"), QStringLiteral("The settings could not be saved: %@"), reason);
        if (m_delegate->state != 1)
            return;
        //% "The settings could not be saved. What was changed last is not kept after a restart."
        auto* alert = new Alert(QStringLiteral("Korvel"), qtTrId("TEXT_SETTINGS_NOT_SAVED") + QStringLiteral("\n\n") + reason);
        alert->addButton(qtTrId("APP_OK"), Alert::Role::Cancel);
        alert->showOver(stack);
    });
    installIdleBehaviour(stack);
    new RemoteKiosk(m_window.get(), m_delegate.get());
    m_steady.start();
    m_systemWatch = new Timer(m_window.get());
    QObject::connect(m_systemWatch, &Timer::timeout, m_window.get(), [this] { watchSystem(); });
    watchSystem();
    m_systemWatch->start(std::chrono::seconds(30));
    stack->push(new KVWelcomeScreenViewController, NavigationStack::Animation::None);
}

void KorvelShell::installLanguageSwitch(NavigationStack* stack)
{
    LanguageSwitch::Hooks hooks;
    hooks.settingsOpen = [this] { return m_delegate->state == 1; };
    hooks.atStart = [stack] {
        Screen* top = stack->topScreen();
        return !stack->presentedScreen() && top
            && (qobject_cast<KVHomePageViewController*>(top) || top == KVWelcomeScreenViewController::getWelcomeScreenObject());
    };
    // Every screen made anew through the ways the kiosk starts with: the welcome screen hands over
    // to a new home screen; open settings come back on their menu, and on the browser preferences
    // when the change was made there.
    hooks.rebuild = [stack](bool settingsOpen) {
        const QList<Screen*> before = stack->screens();
        const bool inPreferences = std::any_of(before.begin(), before.end(), [](Screen* s) { return qobject_cast<KVBrowserPreferences*>(s); });
        const bool inAdvanced = std::any_of(before.begin(), before.end(), [](Screen* s) { return qobject_cast<KVAdvancedSettingsViewController*>(s); });
        stack->startOver(new KVWelcomeScreenViewController);
        if (!settingsOpen || !Routes::current().showSettings)
            return;
        Routes::current().showSettings(stack);
        if (inPreferences)
            stack->push(new KVBrowserPreferences, NavigationStack::Animation::None);
        if (inAdvanced)
            stack->push(new KVAdvancedSettingsViewController, NavigationStack::Animation::None);
    };
    new LanguageSwitch(stack, hooks, m_window.get());
    auto* look = new LookSwitch(stack, std::move(hooks), m_window.get());
    if (auto* bar = qobject_cast<KVStatusBar*>(m_window->statusBar()))
        QObject::connect(look, &LookSwitch::lookChanged, bar, &KVStatusBar::applyLook);
}

void KorvelShell::installIdleBehaviour(NavigationStack* stack)
{
    auto* saver = new PowerSaver(m_window.get());
    // Where no backlight may be set, the power saver darkens the window itself.
    auto* darkness = new DimmingOverlay(QColor(0, 0, 0), stack);
    saver->setSoftwareDimmer([darkness, stack](bool dark) {
        if (dark)
            darkness->showOver(stack);
        else
            darkness->remove();
    });
    QObject::connect(saver, &PowerSaver::powerSaveChanged, m_window.get(), [this](bool on) { m_delegate->powerSaveOn = on; });
    m_delegate->powerSaverModeSwitch = [saver] { saver->powerSaverModeSwitch(); };
    m_delegate->powerStateOff = [saver] { saver->powerStateOff(); };
    KVScreensaver* screensaver = KVScreensaver::getScreensaverObject();
    screensaver->setHost(stack);
    DimmingOverlay* lock = MotionLock::make(stack);
    m_delegate->showDrivingModeView = [lock, stack](bool shown) {
        if (shown)
            lock->showOver(stack);
        else
            lock->remove();
    };
    m_wakeFilter = WakeTouchFilter::install({[saver, screensaver] { return saver->powerSaveOn() || screensaver->isShowing(); },
                                             [saver, screensaver] {
                                                 if (saver->powerSaveOn())
                                                     saver->powerStateOff();
                                                 screensaver->stopMovie();
                                             }});
}

void KorvelShell::watchSystem()
{
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        if (const auto share = MemoryPressure::availableShare(meminfo.readAll()); share && m_memory.update(*share))
            m_delegate->applicationDidReceiveMemoryWarning();
    }
    // The machine's own clocks: this watches the system, not the kiosk's schedule.
    if (m_time.update(QDateTime::currentDateTime(), m_steady.elapsed()))
        m_delegate->applicationSignificantTimeChange();
}

KorvelShell::~KorvelShell()
{
    HandedOverAddress::take();  // an address nobody opened does not outlive this run
    delete m_wakeFilter;
    KVScreensaver::getScreensaverObject()->stopMovie();
    AdminAccess::setGrantedHandler(nullptr);
    ShellRoutes::remove();
    AdminAccess::setTimeStart({});
    AdminState::setHooks({});
}

namespace {

// Waits for the first paint event of the window or of anything in it (opaque children cover the
// window itself, which is then not painted at all) and reports once that paint is through.
class FirstPaintWatch final : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<void()> painted)
        : QObject(window)
        , m_window(window)
        , m_painted(std::move(painted))
    {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->window() == m_window) {
            qApp->removeEventFilter(this);
            QMetaObject::invokeMethod(this, [this] {
                m_painted();
                deleteLater();
            }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* m_window;
    std::function<void()> m_painted;
};

}  // namespace

void KorvelShell::whenFirstPainted(std::function<void()> painted)
{
    new FirstPaintWatch(m_window.get(), std::move(painted));
}

void KorvelShell::show()
{
    m_window->showForKiosk(KVSettings::getSettingsObject().kvBrowPref.fullScreen ? KioskWindowMode::FullScreen
                                                                                  : KioskWindowMode::Maximised);
    m_window->followFullScreenSetting();
}

}  // namespace korvel
