#pragma once

#include "app/SystemWatch.h"

#include <QElapsedTimer>

#include <functional>
#include <memory>

namespace korvel {

class KVAppDelegate;
class KVMainWindow;
class NavigationStack;
class Timer;
class WakeTouchFilter;

// The running kiosk: the launch sequence, the window with its navigation stack, the welcome screen
// at the root, and the way from the hidden gesture through the password to the settings menu.
class KorvelShell {
public:
    KorvelShell();
    ~KorvelShell();

    KVAppDelegate& delegate() { return *m_delegate; }
    KVMainWindow& window() { return *m_window; }
    // Shows the window as the preferences say (full screen or maximised).
    void show();
    // Runs `painted` once, after the window was first painted.
    void whenFirstPainted(std::function<void()> painted);

private:
    std::unique_ptr<KVAppDelegate> m_delegate;
    std::unique_ptr<KVMainWindow> m_window;
    void watchSystem();
    // The power saver, the screensaver and the touch that wakes the kiosk from them.
    void installIdleBehaviour(NavigationStack* stack);
    // The "Language" preference, followed at once.
    void installLanguageSwitch(NavigationStack* stack);
    WakeTouchFilter* m_wakeFilter = nullptr;

    bool m_inBackground = false;
    bool m_active = false;
    // Low memory and time changes, read from the machine twice a minute: soon enough to free
    // caches or follow a new date, and rare enough not to keep an idle kiosk awake.
    Timer* m_systemWatch = nullptr;
    MemoryPressure m_memory;
    TimeChange m_time;
    QElapsedTimer m_steady;
};

}  // namespace korvel
