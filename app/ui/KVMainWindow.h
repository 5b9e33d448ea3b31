#pragma once

#include "app/WindowGuard.h"

#include <QPointer>
#include <QWidget>

class QScreen;
class QWindow;

namespace korvel {

class FrameClock;
class NavigationStack;
class Timer;
class WindowFrames;

// The one window of the kiosk. The person at the device cannot close, minimise or leave it: close
// requests, Alt+F4, Escape and F11 do nothing. Only the system ends Korvel (SIGTERM, SIGINT).
// It covers the primary screen itself (a bare X server honours no full-screen request), follows it
// when it changes, and whatever a window manager does to it (hide, minimise, "show desktop", move
// it to another desktop, leave full screen, move, resize) is undone at once and logged. Under X it
// is on every desktop and holds the keyboard, so no other client's key bindings see a key.
class KVMainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit KVMainWindow(QWidget* parent = nullptr);

    NavigationStack* navigationStack() const { return m_stack; }
    // Full screen when "FullScreen" is on, else maximised under the status bar (when one is set).
    void showForKiosk(KioskWindowMode mode);
    KioskWindowMode mode() const { return m_fullScreen ? KioskWindowMode::FullScreen : KioskWindowMode::Maximised; }
    // From now on a change of "FullScreen" applies at once to the shown window.
    void followFullScreenSetting();
    // Takes the bar that is shown above the screens while the window is maximised.
    void setStatusBar(QWidget* bar);
    QWidget* statusBar() const { return m_statusBar; }
    // The area the window must cover now: the primary screen, less the desktop's panels when
    // maximised. Invalid when there is no screen.
    QRect targetGeometry() const;
    // Looks at the window now and puts right what is wrong. Runs soon after any event that may have
    // changed the window (the X server's map changes and "show desktop" mode included), and on the
    // clock as a safety net: every 500 ms where nothing reports those, every 30 s under X.
    void checkWindow();

    // When the window last put a frame on screen.
    const FrameClock& frameClock() const;

    static constexpr std::chrono::milliseconds checkInterval{500};
    static constexpr std::chrono::milliseconds watchedCheckInterval{30000};

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    WindowObservation observe() const;
    void perform(const QList<WindowAction>& actions);
    void applyState();
    void requestCheck();
    void fitToScreen();
    void followScreen(QScreen* screen);
    void watchHandle();
    static std::chrono::milliseconds now();

    NavigationStack* m_stack;
    QWidget* m_statusBar = nullptr;
    bool m_fullScreen = true;
    bool m_kioskShown = false;
    bool m_compositionKept = false;
    bool m_followUpPending = false;
    bool m_checkPending = false;
    bool m_keyboardGrabbed = false;
    bool m_managerReported = false;
    WindowGuard m_guard;
    Timer* m_watch;
    WindowFrames* m_frames;
    QPointer<QScreen> m_screen;
    QPointer<QWindow> m_handle;
};

}  // namespace korvel
