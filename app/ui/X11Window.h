#pragma once

#include <QWindow>

#include <functional>
#include <optional>

namespace korvel {

// What only the X server can tell about a window, and the two requests the toolkit has no word for.
// Every call does nothing (or has no answer) outside an X session.
class X11Window {
public:
    static bool available();
    // Whether the window is mapped and viewable; no answer outside X or when the server did not reply.
    static std::optional<bool> viewable(WId window);
    // The window manager's "show desktop" mode (_NET_SHOWING_DESKTOP on the root window).
    static bool showingDesktop();
    // Asks the window manager to leave "show desktop" mode, which shows the windows it hid.
    static void leaveShowingDesktop();
    // Maps the window again behind the toolkit's back (it still takes the window for shown).
    static void map(WId window);
    // Calls `changed` whenever the server maps or unmaps `window` or the window manager enters or
    // leaves "show desktop" mode, so the window is looked at when something happens rather than
    // asked about all the time. Replaces an earlier watch; returns false outside X.
    static bool watch(WId window, std::function<void()> changed);
};

}  // namespace korvel
