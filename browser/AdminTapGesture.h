#pragma once

#include <QDateTime>

#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// The hidden way into the settings: a quick series of taps anywhere on the screen. One series per
// screen that carries the gesture.
struct TapSeries {
    qint32 tapCount = 0;
    std::optional<QDateTime> lastTapTime;  // the start of the current series
    std::optional<QDateTime> timeStop;     // the latest counted tap
};

enum class TapOutcome {
    Counted,  // part of a series, nothing to show yet
    Refused,  // enough taps, but the settings are restricted to the first minutes after start
    Granted,  // show the password prompt (or the menu when there is no password)
};

class AdminTapGesture {
public:
    // The home screen and the browser window: "NumberOfTaps" taps within 2 seconds of the first;
    // with "RestrictSettings", only during the first "PasswordTimeout" minutes after `timeStart`.
    static TapOutcome tap(TapSeries& series, const QDateTime& now, const QDateTime& timeStart,
                          const KVBrowserPrefSettings& preferences);
    // The welcome screen: six taps within 3 seconds of the first, whatever the preferences say.
    static TapOutcome tapWelcome(TapSeries& series, const QDateTime& now);
};

}  // namespace korvel
