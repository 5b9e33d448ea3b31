#pragma once

#include "policy/NavigationPolicy.h"

#include <QList>

namespace korvel {

struct KVBrowserPrefSettings;

// What a screen does when its idle timer runs out, in order.
enum class IdleAction {
    Home,                  // the page menu was opened in this window: its Home action
    StartScreensaver,
    PauseMedia,            // pause a playing video and leave its full screen
    EndVisit,              // the visitor is gone: the end of the visit (what it clears is the visit rule's)
    GoHomeUI,              // dismiss a presented alert, then the Home action
    LeaveCategory,         // the home screen's open folder is left
    PowerSaverModeSwitch,  // the schedule decides
    PowerStateOn,          // dim now
    LogIdleTimeExceeded,   // "idletime exceeded" in "Webview"
};

// The screens that run an idle timer.
enum class IdleScreen { Window, Home, Tabs };

// What the screen whose timer ran out knows.
struct IdleState {
    IdleScreen screen = IdleScreen::Window;
    WindowMode mode = WindowMode::SingleWindow;
    bool menuOpened = false;    // window: the page menu was opened in it
    bool mediaKnown = false;    // window: a video of the page is known
    bool isTop = true;          // home: it is the top of the navigation stack
    bool categoryOpen = false;  // home: a folder is open
    bool powerSaveOn = false;
};

// The rules of the idle timers of the browser window, the home screen and the tabs.
namespace IdleRules {

// The idle timers run at all only from an "IdleTimeout" of 10 seconds up.
bool timersEnabled(const KVBrowserPrefSettings& p);
// Whether the screen starts a new timer now.
bool wantsTimer(const KVBrowserPrefSettings& p, const IdleState& state);
// What the screen does when its timer runs out, in order.
QList<IdleAction> idleActions(const KVBrowserPrefSettings& p, const IdleState& state);
// Whether the home screen keeps observing touches while another screen covers it.
bool homeStopsObservingOnDisappear(const KVBrowserPrefSettings& p);

}  // namespace IdleRules

}  // namespace korvel
