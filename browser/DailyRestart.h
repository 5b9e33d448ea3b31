#pragma once

#include <QDateTime>
#include <QString>
#include <QTime>

#include <chrono>
#include <optional>

namespace korvel {

// The "RestartDailyAt" preference: Korvel restarts once a day at that time, but only at an idle
// moment; a kiosk in use then restarts at its next idle moment.
class DailyRestart {
public:
    // "HH:MM" on the 24-hour clock; none for the empty text (off) or anything else.
    static std::optional<QTime> parse(const QString& text);
    // The first time of day `at` after `started` (the process's start).
    static QDateTime nextAfter(const QTime& at, const QDateTime& started);

    enum class Action { Wait, Restart };
    static Action decide(const std::optional<QTime>& at, const QDateTime& started, const QDateTime& now, const QDateTime& lastInput,
                         std::chrono::seconds quiet);
};

}  // namespace korvel
