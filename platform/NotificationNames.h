#pragma once

#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"

#include <QLatin1String>

// The names of the notifications on the default centre, each with who posts it and who observes
// it. Names are the system's own: peers and scripts may rely on them.
namespace korvel {

// A touch began or ended. Posted by KVApplication; observed by every running idle timer
// (IdleTimer: browser window, home screen, tabs) and by the password prompt (its own timeout).
inline constexpr QLatin1String kEventHasOccurredNotification("EventHasOccurred");

// An address of the program's scheme arrived (user info "url"). Posted by KVAppDelegate; observed
// through HandedOverAddress by the home screen (single window) or the tabs.
inline constexpr QLatin1String kExternalURLNotification("ExternalURL");

// Defined beside their posters, named here with who observes them:
// - kReachabilityChangedNotification (platform/Reachability.h): the status of a Reachability
//   monitor changed (object: the monitor); observed by every browser window while it is shown.
// - kApplicationDidEnterBackgroundNotification (platform/NotificationCenter.h): the kiosk went to the
//   background, posted by the application delegate after its own steps; observed by browser windows
//   (they blank their page) and the file picker (it closes unanswered).

// A tab's page finished loading: its strip cell shows the site. Posted by a tab's browser window;
// observed by the tabs (BrowserTabsController).
inline constexpr QLatin1String kUpdateCellNotification("updatecell");

// A tab's page closed its window while pop-ups are off: the tab goes 0.7 s later. Posted by the
// tab's browser window; observed by the tabs.
inline constexpr QLatin1String kRemoveCellNotification("removeCell");

// A page opens a new window while pop-ups are off (object: the new page, user info "url"): it
// opens as the next tab. Posted by a tab's browser window; observed by the tabs.
inline constexpr QLatin1String kCreateCellNotification("createCell");

// The settings are about to open over the tabs. Posted by the password prompt; observed by the
// tabs, which end the visit, stop their timers and quiet every tab.
inline constexpr QLatin1String kCallMultiTabDisappearNotification("callMultiTabDisappear");

// The settings are about to open over a browser window. Posted by the password prompt (single
// window) and by the tabs when they are left; observed by every browser window.
inline constexpr QLatin1String kCallSingleTabDisappearNotification("callSingleTabDisappear");

// The tabs were left: every browser window stops its idle timer. Posted by the tabs; observed by
// every browser window.
inline constexpr QLatin1String kStopTimerNotification("StopTimerNotification");

}  // namespace korvel
