#pragma once

#include "platform/ReachabilityBackend.h"

#include <QDateTime>
#include <QString>

#include <chrono>

namespace korvel {

// What the thin status bar above a maximised (not full-screen) kiosk shows.
struct StatusLine {
    QString clock;    // "14:05"
    QString network;  // "Wi-Fi", "Cellular" or "No Network"

    static StatusLine make(const QDateTime& now, NetworkStatus status);
    // How long until the clock's minute turns over, so the bar redraws exactly then.
    static std::chrono::milliseconds untilNextMinute(const QDateTime& now);
};

}  // namespace korvel
