#pragma once

#include "app/WindowCheck.h"

#include <chrono>
#include <optional>

namespace korvel {

// Keeps the kiosk window as it must be without fighting the window system: one restoration per
// check at most, none while the window system is still answering the previous change, and one log
// line per fault rather than one per check while a window manager keeps insisting.
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
    // The program showed the window at `now`. Until `showSettleTime` passed, what is put right
    // finishes the program's own showing (a compositor that maximises what asked for full screen, a
    // window re-created for the first web view) and is not logged as a restoration.
    void noteShown(std::chrono::milliseconds now);

    static constexpr std::chrono::milliseconds settleTime{250};
    static constexpr std::chrono::milliseconds showQuietTime{1000};
    static constexpr std::chrono::milliseconds showSettleTime{3000};

private:
    std::optional<std::chrono::milliseconds> m_changedAt;
    std::chrono::milliseconds m_quiet{0};
    std::optional<std::chrono::milliseconds> m_shownAt;
    QString m_logged;
};

}  // namespace korvel
