#include "app/ui/KVMainWindow.h"

#include "app/ui/WindowFrames.h"
#include "app/ui/X11Window.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/Timer.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "platform/ui/NavigationStack.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace korvel {

KVMainWindow::KVMainWindow(QWidget* parent)
    : QWidget(parent)
    , m_stack(new NavigationStack(this))
    , m_watch(new Timer(this))
    , m_frames(new WindowFrames(this, QStringLiteral("main"), [this] {
        // The toolkit thinks the window fine while nothing reaches the screen: only a new showing
        // makes the window system take the surface again.
        KVLog(QStringLiteral("App General"), QStringLiteral("Window shown again: no frame on screen for %d s"),
              int(FrameWatch::limit.count()));
        if (!m_kioskShown)
            return;
        hide();
        showForKiosk(mode());
    }))
{
    setWindowTitle(QStringLiteral("Korvel"));
    // No title bar or close button from a window manager, and nothing stacked above the kiosk.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_stack);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    // Keys that leave or shrink a window are caught before any widget sees them.
    qApp->installEventFilter(this);
    connect(m_watch, &Timer::timeout, this, &KVMainWindow::checkWindow);
    // A popup of the toolkit's takes the keyboard while it is open and lets it go when it closes.
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] {
        m_keyboardGrabbed = false;
        requestCheck();
    });
    connect(qApp, &QGuiApplication::primaryScreenChanged, this, [this](QScreen* screen) {
        followScreen(screen);
        fitToScreen();
    });
    followScreen(QGuiApplication::primaryScreen());
}

QRect KVMainWindow::targetGeometry() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return m_fullScreen ? screen->geometry() : screen->availableGeometry();
}

void KVMainWindow::showForKiosk(KioskWindowMode mode)
{
    const bool fullScreen = mode == KioskWindowMode::FullScreen;
    m_fullScreen = fullScreen;
    m_kioskShown = true;
    if (m_statusBar)
        m_statusBar->setVisible(!fullScreen);
    if (!windowHandle())
        create();
    // Before it is mapped, so that a window manager puts it on every desktop from the start:
    // switching desktops must not hide the kiosk.
    if (!isVisible())
        X11Window::showOnEveryDesktop(winId(), false);
    watchHandle();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        windowHandle()->setScreen(screen);
    // Inside a Wayland compositor (Xwayland), before the window is mapped: the compositor must
    // never show it by direct scan-out (X11Window::keepComposited says why).
    if (!m_compositionKept && qEnvironmentVariableIsSet("WAYLAND_DISPLAY"))
        m_compositionKept = X11Window::keepComposited(winId(), std::chrono::seconds(2));
    // The geometry is set whatever the state: without a window manager nobody else sets it.
    setGeometry(targetGeometry());
    applyState();
    setVisible(true);
    raise();
    activateWindow();
    m_guard.noteShown(now());
    // An idle kiosk should not ask the X server about its window twice a second: under X the
    // server's own events say when to look, and the clock only backs them up.
    const bool watched = X11Window::watch(winId(), [this] { requestCheck(); });
    m_watch->start(watched ? watchedCheckInterval : checkInterval);
    if (const QString manager = X11Window::windowManagerName(); !manager.isEmpty() && !std::exchange(m_managerReported, true))
        KVLog(QStringLiteral("Warning"),
              QStringLiteral("Window manager %@ runs beside the kiosk: its pointer bindings, menus and the programs of its session are out of the kiosk's hands. Run Korvel under cage or alone on its X server."),
              manager);
}

const FrameClock& KVMainWindow::frameClock() const
{
    return m_frames->clock();
}

void KVMainWindow::followFullScreenSetting()
{
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, [this] {
        const KioskWindowMode wanted
            = KVSettings::getSettingsObject().kvBrowPref.fullScreen ? KioskWindowMode::FullScreen : KioskWindowMode::Maximised;
        if (m_kioskShown && wanted != mode())
            showForKiosk(wanted);
    });
}

void KVMainWindow::applyState()
{
    const Qt::WindowState wanted = m_fullScreen ? Qt::WindowFullScreen : Qt::WindowMaximized;
    setWindowState((windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) | wanted);
}

void KVMainWindow::closeEvent(QCloseEvent* event)
{
    event->ignore();
}

void KVMainWindow::setStatusBar(QWidget* bar)
{
    delete m_statusBar;
    m_statusBar = bar;
    if (!bar)
        return;
    static_cast<QVBoxLayout*>(layout())->insertWidget(0, bar);
    bar->setVisible(isVisible() && !m_fullScreen);
}

bool KVMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool altF4 = key->key() == Qt::Key_F4 && (key->modifiers() & Qt::AltModifier);
        const bool closeKeys = key->matches(QKeySequence::Close) || key->matches(QKeySequence::Quit)
                               || key->matches(QKeySequence::FullScreen);
        if (altF4 || closeKeys || key->key() == Qt::Key_F11)
            return true;
    }
    if (watched == m_handle && event->type() == QEvent::Expose)
        requestCheck();
    return QWidget::eventFilter(watched, event);
}

bool KVMainWindow::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::Hide:
    case QEvent::WindowStateChange:
        requestCheck();
        break;
    case QEvent::WinIdChange:
    case QEvent::Show:
        // A window re-created underneath (for another surface type) needs watching again.
        watchHandle();
        requestCheck();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void KVMainWindow::watchHandle()
{
    QWindow* handle = windowHandle();
    if (!handle || handle == m_handle)
        return;
    m_handle = handle;
    connect(handle, &QWindow::visibilityChanged, this, [this] { requestCheck(); });
}

void KVMainWindow::followScreen(QScreen* screen)
{
    if (m_screen)
        disconnect(m_screen, nullptr, this, nullptr);
    m_screen = screen;
    if (!screen)
        return;
    connect(screen, &QScreen::geometryChanged, this, &KVMainWindow::fitToScreen);
    connect(screen, &QScreen::availableGeometryChanged, this, &KVMainWindow::fitToScreen);
}

void KVMainWindow::fitToScreen()
{
    if (!m_kioskShown)
        return;
    if (QScreen* screen = QGuiApplication::primaryScreen(); screen && windowHandle())
        windowHandle()->setScreen(screen);
    setGeometry(targetGeometry());
    applyState();
    m_guard.noteOwnChange(now(), WindowGuard::settleTime);
}

void KVMainWindow::requestCheck()
{
    if (!m_kioskShown || m_checkPending)
        return;
    // Coalesces a burst of events (a resize brings a move, a state change and an exposure) into
    // one look at the window once the toolkit has taken them all in.
    m_checkPending = true;
    singleShot(std::chrono::milliseconds(20), this, [this] {
        m_checkPending = false;
        checkWindow();
    });
}

std::chrono::milliseconds KVMainWindow::now()
{
    return std::chrono::milliseconds(Clock::instance().now().toMSecsSinceEpoch());
}

WindowObservation KVMainWindow::observe() const
{
    WindowObservation o;
    const Qt::WindowStates state = windowState();
    o.shown = isVisible();
    o.minimised = state & Qt::WindowMinimized;
    o.fullScreen = state & Qt::WindowFullScreen;
    o.maximised = state & Qt::WindowMaximized;
    o.mapped = windowHandle() && windowHandle()->isExposed();
    if (X11Window::available()) {
        if (const std::optional<bool> viewable = X11Window::viewable(winId()))
            o.mapped = *viewable;
        o.desktopShown = X11Window::showingDesktop();
        o.desktop = X11Window::desktop(winId());
        o.currentDesktop = X11Window::currentDesktop();
    }
    o.geometry = geometry();
    o.target = targetGeometry();
    return o;
}

void KVMainWindow::checkWindow()
{
    if (!m_kioskShown)
        return;
    const WindowObservation observed = observe();
    const WindowGuard::Step step = m_guard.check(observed, mode(), now());
    if (!step.logLine.isEmpty())
        KVLog(QStringLiteral("App General"), QStringLiteral("%@"), step.logLine);
    perform(step.actions);
    const bool right = WindowCheck::check(observed, mode()).faults.isEmpty();
    // Under X other clients bind keys of their own (a window manager switches desktops and starts
    // programs with them); while the kiosk holds the keyboard none of them sees a key. A window
    // that is not viewable loses the grab, so it is taken again whenever the window is right.
    if (!right)
        m_keyboardGrabbed = false;
    else if (!m_keyboardGrabbed && X11Window::available())
        m_keyboardGrabbed = X11Window::grabKeyboard(winId());
    // Until the window is right again it is looked at again shortly: a restoration the guard held
    // back, or one the window system has not answered yet, may bring no further event.
    if (!WindowCheck::check(observed, mode()).actions.isEmpty() && !m_followUpPending) {
        m_followUpPending = true;
        singleShot(WindowGuard::settleTime + std::chrono::milliseconds(50), this, [this] {
            m_followUpPending = false;
            checkWindow();
        });
    }
}

void KVMainWindow::perform(const QList<WindowAction>& actions)
{
    for (WindowAction action : actions) {
        switch (action) {
        case WindowAction::LeaveDesktopMode:
            X11Window::leaveShowingDesktop();
            break;
        case WindowAction::ShowOnEveryDesktop:
            X11Window::showOnEveryDesktop(winId(), true);
            break;
        case WindowAction::Show:
            setVisible(true);
            break;
        case WindowAction::ApplyState:
            applyState();
            break;
        case WindowAction::Map:
            if (X11Window::available())
                X11Window::map(winId());
            else if (windowHandle())
                windowHandle()->setVisible(true);
            break;
        case WindowAction::ApplyGeometry:
            if (QScreen* screen = QGuiApplication::primaryScreen(); screen && windowHandle())
                windowHandle()->setScreen(screen);
            setGeometry(targetGeometry());
            break;
        case WindowAction::Raise:
            raise();
            break;
        case WindowAction::Activate:
            activateWindow();
            break;
        }
    }
}

}  // namespace korvel
