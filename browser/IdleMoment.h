#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

// When the kiosk may do something that would disturb a visitor (a reload, a restart): nobody has
// touched it for the idle timeout, or for a minute when the idle timer is off (under 10 s).
struct IdleMoment {
    static std::chrono::seconds quiet(qint32 idleTimeout)
    {
        return idleTimeout >= 10 ? std::chrono::seconds(idleTimeout) : std::chrono::seconds(60);
    }
    // `lastInput` invalid: nobody touched the kiosk since it started.
    static bool reached(const QDateTime& lastInput, const QDateTime& now, std::chrono::seconds quiet)
    {
        return !lastInput.isValid() || lastInput.secsTo(now) >= quiet.count();
    }
};

}  // namespace korvel
