#include "app/StatusLine.h"

namespace korvel {

StatusLine StatusLine::make(const QDateTime& now, NetworkStatus status)
{
    QString network;
    switch (status) {
    case NetworkStatus::ReachableViaWiFi:
        network = QStringLiteral("Wi-Fi");
        break;
    case NetworkStatus::ReachableViaWWAN:
        network = QStringLiteral("Cellular");
        break;
    case NetworkStatus::NotReachable:
        network = QStringLiteral("No Network");
        break;
    }
    return {now.toLocalTime().toString(QStringLiteral("HH:mm")), network};
}

std::chrono::milliseconds StatusLine::untilNextMinute(const QDateTime& now)
{
    const QTime t = now.toLocalTime().time();
    const int intoMinute = t.second() * 1000 + t.msec();
    return std::chrono::milliseconds(60'000 - intoMinute);
}

}  // namespace korvel
