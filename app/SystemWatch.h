#pragma once

#include <QByteArray>
#include <QDateTime>

#include <optional>

namespace korvel {

// Turns periodic readings of the machine into the two system events a kiosk reacts to: low memory
// and a significant time change. Plain rules; the shell feeds them on a timer.

// Low memory: the share of memory still available falls below `low`. Reported once, then again
// only after the share has recovered above `recovered`, so a machine hovering at the limit does not
// clear the caches every few seconds.
class MemoryPressure {
public:
    static constexpr double low = 0.10;
    static constexpr double recovered = 0.20;

    // MemAvailable / MemTotal from the text of /proc/meminfo; nothing when either is missing.
    static std::optional<double> availableShare(const QByteArray& meminfo);
    // True when this reading is a new warning.
    bool update(double availableShare);

private:
    bool m_warned = false;
};

// A significant time change: the local date turned (midnight), or the wall clock moved by more than
// `tolerance` against the steady clock (set by hand, by NTP, or a changed time zone).
class TimeChange {
public:
    static constexpr qint64 toleranceMs = 2000;

    // `wall` is the local wall-clock time, `steadyMs` a monotonic reading. True when the time
    // changed significantly since the previous reading; the first reading is the baseline.
    bool update(const QDateTime& wall, qint64 steadyMs);

private:
    std::optional<QDateTime> m_wall;
    qint64 m_steadyMs = 0;
};

}  // namespace korvel
