#pragma once

#include "app/WindowCheck.h"

#include <chrono>
#include <optional>

namespace korvel {

// Keeps the kiosk window as it must be without fighting the window system: one restoration per
// check at most, none while the window system is still answering the previous change. A
// restoration is logged once the window is seen as it must be again ("Window restored: ..." with
// the faults first put right), one line for each run of faults however often a window manager
// insists; a run that lasts
// `unrestoredAfter` is logged as such ("Window not restored: ...") while the restoring goes on.
class WindowGuard {
public:
    struct Step {
        QList<WindowAction> actions;  // empty: leave the window alone
        QString logLine;              // empty: nothing new to log
    };

    // `now` is a time in milliseconds that only moves forward between calls (a clock set back is
    // taken as the quiet time being over).
    Step check(const WindowObservation& observed, KioskWindowMode mode, std::chrono::milliseconds now);
    // The program itself changed the window at `now`; until `quiet` passed, what the window system
    // reports is its way there rather than a fault.
    void noteOwnChange(std::chrono::milliseconds now, std::chrono::milliseconds quiet);
    // The program showed the window at `now`. What goes wrong until `showSettleTime` passed
    // belongs to the program's own showing (a compositor that maximises what asked for full
    // screen, a window re-created for the first web view) and is put right without a log line.
    void noteShown(std::chrono::milliseconds now);

    static constexpr std::chrono::milliseconds settleTime{250};
    static constexpr std::chrono::milliseconds showQuietTime{1000};
    static constexpr std::chrono::milliseconds showSettleTime{3000};
    static constexpr std::chrono::milliseconds unrestoredAfter{5000};

private:
    static bool within(std::chrono::milliseconds since, std::chrono::milliseconds limit);

    std::optional<std::chrono::milliseconds> m_changedAt;
    std::chrono::milliseconds m_quiet{0};
    std::optional<std::chrono::milliseconds> m_shownAt;
    // Since the window was last as it must be: the faults first put right, and when they began.
    QList<WindowFault> m_run;
    bool m_runStarted = false;
    std::chrono::milliseconds m_runStart{0};
    bool m_runIsShowing = false;
    bool m_unrestoredLogged = false;
};

}  // namespace korvel
