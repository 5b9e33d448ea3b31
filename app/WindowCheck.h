#pragma once

#include <QList>
#include <QRect>
#include <QString>

#include <optional>

namespace korvel {

// A window manager's number for "every desktop" (_NET_WM_DESKTOP).
inline constexpr quint32 everyDesktop = 0xFFFFFFFF;

// How the kiosk window covers the screen: all of it, or maximised under the status bar.
enum class KioskWindowMode { FullScreen, Maximised };

// What the window system says about the kiosk window at one moment.
struct WindowObservation {
    bool shown = true;          // the toolkit shows it (nobody hid it)
    bool minimised = false;     // window state as the window manager last set it
    bool fullScreen = false;
    bool maximised = false;
    bool mapped = true;         // mapped and viewable on the display
    bool desktopShown = false;  // the window manager's "show desktop" mode is on
    // The virtual desktop the window is on (everyDesktop: all of them) and the one shown; none
    // where nobody keeps desktops.
    std::optional<quint32> desktop;
    std::optional<quint32> currentDesktop;
    QRect geometry;             // the window's area in screen coordinates
    QRect target;               // the area it must cover; invalid when there is no screen
};

// Faults in the order they are reported.
enum class WindowFault {
    Hidden,
    Minimised,
    DesktopShown,
    OtherDesktop,       // on a virtual desktop that is not shown, so unmapped
    NotOnEveryDesktop,  // shown, but switching desktops would hide it
    Unmapped,
    LeftFullScreen,
    LeftMaximised,
    Moved,
    Resized
};

// Actions in the order they must be performed.
// The geometry goes before the state: some platforms drop a full-screen state when the program sets
// a geometry, never the other way round.
enum class WindowAction { LeaveDesktopMode, ShowOnEveryDesktop, Show, Map, ApplyGeometry, ApplyState, Raise, Activate };

struct WindowVerdict {
    QList<WindowFault> faults;    // empty when the window is as it must be
    QList<WindowAction> actions;  // what puts it right, each once

    // The faults in plain words, joined by ", " ("minimised, resized").
    QString description() const;
};

// What is wrong with the kiosk window and what puts it right.
class WindowCheck {
public:
    static WindowVerdict check(const WindowObservation& observed, KioskWindowMode mode);
    static QString name(WindowFault fault);
};

}  // namespace korvel
