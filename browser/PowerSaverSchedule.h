#pragma once

#include <QDateTime>

#include <chrono>
#include <optional>

namespace korvel {

class KVBrowserPrefSettings;

// What the weekly power-saver window says at one moment: dim or not, and when to look again.
struct PowerSaverDecision {
    bool on = false;
    std::optional<std::chrono::seconds> nextCheck;  // none: nothing changes by itself
    friend bool operator==(const PowerSaverDecision&, const PowerSaverDecision&) = default;
};

namespace PowerSaverSchedule {

// The fixed day abbreviation the settings store for `date` ("Mon" ... "Sun"), in any language.
QString dayKey(const QDate& date);
// The schedule of "EnableSchedulePowerSaver", "DaySelected", "StartTime" and "EndTime" at `now`
// (minute precision). Off, with nothing scheduled, when the schedule is off, today is not selected,
// a time is missing or the start equals the end.
PowerSaverDecision decide(const KVBrowserPrefSettings& p, const QDateTime& now);

}  // namespace PowerSaverSchedule

}  // namespace korvel
