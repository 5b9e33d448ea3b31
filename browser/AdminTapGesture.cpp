#include "browser/AdminTapGesture.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

namespace {

// Seconds since the series began; nothing before the first tap.
std::optional<double> secondsSince(const TapSeries& series, const QDateTime& now)
{
    if (!series.lastTapTime)
        return std::nullopt;
    return series.lastTapTime->msecsTo(now) / 1000.0;
}

}  // namespace

TapOutcome AdminTapGesture::tap(TapSeries& series, const QDateTime& now, const QDateTime& timeStart,
                                const KVBrowserPrefSettings& p)
{
    const std::optional<double> dt = secondsSince(series, now);
    if (!dt || *dt >= 2.0 || *dt <= 0) {
        series.tapCount = 1;
        series.lastTapTime = now;
        return TapOutcome::Counted;
    }
    // All taps of a series count from its first tap: the series start does not move.
    ++series.tapCount;
    series.timeStop = now;
    if (series.tapCount < p.numberTaps)
        return TapOutcome::Counted;
    const qint64 elapsed = timeStart.secsTo(*series.timeStop);
    if (p.restrictSettings && elapsed >= qint64(p.passwordTimeout) * 60)
        return TapOutcome::Refused;
    series.tapCount = 0;
    series.lastTapTime = now;
    return TapOutcome::Granted;
}

TapOutcome AdminTapGesture::tapWelcome(TapSeries& series, const QDateTime& now)
{
    const std::optional<double> dt = secondsSince(series, now);
    if (!dt || *dt >= 3.0 || *dt <= 0) {
        series.tapCount = 0;
        series.lastTapTime = now;
        return TapOutcome::Counted;
    }
    if (series.tapCount >= 4) {
        series.tapCount = 0;
        series.lastTapTime = now;
        return TapOutcome::Granted;
    }
    ++series.tapCount;
    return TapOutcome::Counted;
}

}  // namespace korvel
