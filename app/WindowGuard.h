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
    Step check(const WindowObservation& observed, WindowMode mode, std::chrono::milliseconds now);
    // The program itself changed the window at `now`; until `quiet` passed, what the window system
    // reports is its way there rather than a fault.
    void noteOwnChange(std::chrono::milliseconds now, std::chrono::milliseconds quiet);

    static constexpr std::chrono::milliseconds settleTime{250};

private:
    std::optional<std::chrono::milliseconds> m_changedAt;
    std::chrono::milliseconds m_quiet{0};
    QString m_logged;
};

}  // namespace korvel
