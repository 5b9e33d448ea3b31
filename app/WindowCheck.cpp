#include "app/WindowCheck.h"

#include <algorithm>

namespace korvel {

QString WindowCheck::name(WindowFault fault)
{
    switch (fault) {
    case WindowFault::Hidden:
        return QStringLiteral("hidden");
    case WindowFault::Minimised:
        return QStringLiteral("minimised");
    case WindowFault::DesktopShown:
        return QStringLiteral("desktop shown");
    case WindowFault::OtherDesktop:
        return QStringLiteral("on another desktop");
    case WindowFault::NotOnEveryDesktop:
        return QStringLiteral("not on every desktop");
    case WindowFault::Unmapped:
        return QStringLiteral("unmapped");
    case WindowFault::LeftFullScreen:
        return QStringLiteral("left full screen");
    case WindowFault::LeftMaximised:
        return QStringLiteral("no longer maximised");
    case WindowFault::Moved:
        return QStringLiteral("moved");
    case WindowFault::Resized:
        return QStringLiteral("resized");
    }
    return {};
}

QString WindowVerdict::description() const
{
    QStringList names;
    for (WindowFault f : faults)
        names << WindowCheck::name(f);
    return names.join(QStringLiteral(", "));
}

WindowVerdict WindowCheck::check(const WindowObservation& o, KioskWindowMode mode)
{
    WindowVerdict v;
    auto act = [&v](std::initializer_list<WindowAction> actions) {
        for (WindowAction a : actions) {
            if (!v.actions.contains(a))
                v.actions.append(a);
        }
    };

    if (!o.shown) {
        v.faults << WindowFault::Hidden;
        act({WindowAction::Show, WindowAction::ApplyState, WindowAction::ApplyGeometry, WindowAction::Raise,
             WindowAction::Activate});
    }
    if (o.minimised) {
        // Leaving the minimised state maps the window again; the window manager then shows it.
        v.faults << WindowFault::Minimised;
        act({WindowAction::ApplyState, WindowAction::Raise, WindowAction::Activate});
    }
    if (o.desktopShown) {
        // The window manager hid every window itself; only leaving that mode brings them back.
        v.faults << WindowFault::DesktopShown;
        act({WindowAction::LeaveDesktopMode, WindowAction::Raise, WindowAction::Activate});
    }
    // On every desktop, switching desktops (a key of the window manager's, a pager) cannot hide it.
    const bool otherDesktop = o.desktop && *o.desktop != everyDesktop && o.currentDesktop && *o.desktop != *o.currentDesktop;
    if (o.desktop && *o.desktop != everyDesktop) {
        v.faults << (otherDesktop ? WindowFault::OtherDesktop : WindowFault::NotOnEveryDesktop);
        act({WindowAction::ShowOnEveryDesktop, WindowAction::Raise, WindowAction::Activate});
    }
    // An unmapped window is explained by the faults above; on its own it was unmapped behind the
    // toolkit's back (or re-created and never shown again).
    if (!o.mapped && o.shown && !o.minimised && !o.desktopShown && !otherDesktop) {
        v.faults << WindowFault::Unmapped;
        act({WindowAction::Map, WindowAction::Raise, WindowAction::Activate});
    }
    switch (mode) {
    case KioskWindowMode::FullScreen:
        if (!o.fullScreen && !o.minimised) {
            v.faults << WindowFault::LeftFullScreen;
            act({WindowAction::ApplyState, WindowAction::ApplyGeometry, WindowAction::Raise});
        }
        break;
    case KioskWindowMode::Maximised:
        if ((!o.maximised || o.fullScreen) && !o.minimised) {
            v.faults << WindowFault::LeftMaximised;
            act({WindowAction::ApplyState, WindowAction::ApplyGeometry, WindowAction::Raise});
        }
        break;
    }
    // Where and how big it is counts only while it is on the screen at all.
    const bool onScreen = o.shown && o.mapped && !o.minimised && !o.desktopShown && !otherDesktop;
    if (onScreen && o.target.isValid() && o.geometry.isValid()) {
        if (o.geometry.topLeft() != o.target.topLeft())
            v.faults << WindowFault::Moved;
        if (o.geometry.size() != o.target.size())
            v.faults << WindowFault::Resized;
        if (o.geometry != o.target)
            act({WindowAction::ApplyGeometry});
    }
    std::sort(v.faults.begin(), v.faults.end());
    std::sort(v.actions.begin(), v.actions.end());
    return v;
}

}  // namespace korvel
