#include "browser/PowerSaverSchedule.h"

#include "settings/KVBrowserPrefSettings.h"

#include <array>

namespace korvel::PowerSaverSchedule {

namespace {

int compare(const QTime& a, const QTime& b)
{
    return a < b ? -1 : (b < a ? 1 : 0);
}

QTime toMinute(const QTime& t)
{
    return QTime(t.hour(), t.minute());
}

std::chrono::seconds until(const QTime& from, const QTime& to)
{
    return std::chrono::seconds(from.secsTo(to));
}

}  // namespace

QString dayKey(const QDate& date)
{
    static const std::array<const char*, 7> names{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    const int day = date.dayOfWeek();
    return day >= 1 && day <= 7 ? QString::fromLatin1(names[size_t(day - 1)]) : QString();
}

PowerSaverDecision decide(const KVBrowserPrefSettings& p, const QDateTime& now)
{
    const PowerSaverDecision off;
    if (!p.enableScheduleSuspend || !p.daysSelected)
        return off;
    if (!p.daysSelected->value(dayKey(now.date())).toBool())
        return off;
    if (!p.startTime.isValid() || !p.endTime.isValid())
        return off;
    const QTime time = toMinute(now.time());
    const QTime start = toMinute(p.startTime);
    const QTime end = toMinute(p.endTime);
    const int s = compare(start, time);
    const int e = compare(end, time);
    const int w = compare(start, end);
    if (w == 0)
        return off;
    if (w < 0) {
        // Within one day.
        if ((s < 0 && e > 0) || s == 0)
            return {true, until(time, end)};
        if (e == 0)
            return off;
        if (s > 0 && e > 0)
            return {false, until(time, start)};
        return off;
    }
    // Over midnight. Now being the start counts as inside, and the end is looked for as well.
    if (s == e || s == 0) {
        std::chrono::seconds next = until(time, end);
        if (next.count() <= 0)
            next += std::chrono::hours(24);
        return {true, next};
    }
    return {false, until(time, start)};
}

}  // namespace korvel::PowerSaverSchedule
