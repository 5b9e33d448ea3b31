#pragma once

#include <QWindow>

#include <chrono>
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
    // The virtual desktop the window is on (_NET_WM_DESKTOP; 0xFFFFFFFF: every one) and the one the
    // window manager shows (_NET_CURRENT_DESKTOP); no answer where nobody keeps desktops.
    static std::optional<quint32> desktop(WId window);
    static std::optional<quint32> currentDesktop();
    // Puts the window on every desktop: as its own property before it is first mapped, as a
    // request to the window manager afterwards.
    static void showOnEveryDesktop(WId window, bool mapped);
    // Takes the keyboard for the window's program, so that no other client's key bindings (a
    // window manager's desktop switching, its program launchers) see a key; the toolkit still
    // delivers each key to its focused window. False while another client holds the keyboard.
    static bool grabKeyboard(WId window);
    // The name a running window manager gives itself (_NET_SUPPORTING_WM_CHECK); empty without one.
    static QString windowManagerName();
    // Calls `changed` whenever the server maps or unmaps `window`, the window manager enters or
    // leaves "show desktop" mode, or moves the window or the view to another desktop, so the window is looked at when something happens rather than
    // asked about all the time. Replaces an earlier watch; returns false outside X.
    static bool watch(WId window, std::function<void()> changed);
    // Gives `window` a child in the eyes of a Wayland compositor's X window manager (an unmapped
    // input-only window, transient for it), so that cage composites the window rather than handing
    // its buffers to the output directly. cage 0.1.4 scans a full-screen X window out and, when it
    // stops doing so (a capture, a pop-up), paints only the newest damage over the frame it last
    // composited: the screen, screenshots and remote views keep showing that old frame. Blocks until
    // the window manager watches the new window (at most `patience`); false outside X.
    static bool keepComposited(WId window, std::chrono::milliseconds patience);
};

}  // namespace korvel
