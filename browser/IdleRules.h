#pragma once

#include "policy/NavigationPolicy.h"

#include <QList>

namespace korvel {

class KVBrowserPrefSettings;

// What a screen does when its idle timer runs out, in order.
enum class IdleAction {
    Home,                  // the page menu was opened in this window: its Home action
    StartScreensaver,
    PauseMedia,            // pause a playing video and leave its full screen
    ClearVisit,            // a private kiosk forgets the visitor before the next one
    GoHomeUI,              // dismiss a presented alert, then the Home action
    LeaveCategory,         // the home screen's open folder is left
    PowerSaverModeSwitch,  // the schedule decides
    PowerStateOn,          // dim now
    LogIdleTimeExceeded,   // "idletime exceeded" in "Webview"
};

struct WindowIdleState {
    WindowMode mode = WindowMode::SingleWindow;
    bool menuOpened = false;  // the page menu was opened in this window
    bool mediaKnown = false;  // a video of the page is known
    bool powerSaveOn = false;
};

struct HomeIdleState {
    bool isTop = true;  // the home screen is the top of the navigation stack
    bool categoryOpen = false;
    bool powerSaveOn = false;
};

// The rules of the idle timers of the browser window and the home screen.
namespace IdleRules {

// The idle timers run at all only from an "IdleTimeout" of 10 seconds up.
bool timersEnabled(const KVBrowserPrefSettings& p);
bool windowWantsTimer(const KVBrowserPrefSettings& p, bool powerSaveOn);
QList<IdleAction> windowIdleActions(const KVBrowserPrefSettings& p, const WindowIdleState& state);
bool homeWantsTimer(const KVBrowserPrefSettings& p, const HomeIdleState& state);
QList<IdleAction> homeIdleActions(const KVBrowserPrefSettings& p, const HomeIdleState& state);
// Whether the home screen keeps observing touches while another screen covers it.
bool homeStopsObservingOnDisappear(const KVBrowserPrefSettings& p);

}  // namespace IdleRules

}  // namespace korvel
