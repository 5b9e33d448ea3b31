#include "app/ServiceWatchdog.h"

#include "platform/SystemdNotify.h"
#include "platform/Timer.h"

namespace korvel {

ServiceWatchdog::ServiceWatchdog(QObject* parent)
    : QObject(parent)
    , m_timer(new Timer(this))
{
    connect(m_timer, &Timer::timeout, this, [] { SystemdNotify::send(QByteArrayLiteral("WATCHDOG=1")); });
}

void ServiceWatchdog::start()
{
    const auto interval = SystemdNotify::watchdogInterval();
    if (interval.count() == 0)
        return;
    // A third: one late message still leaves a margin before systemd gives up.
    m_timer->start(std::max(std::chrono::milliseconds(10), std::chrono::duration_cast<std::chrono::milliseconds>(interval / 3)));
}

void ServiceWatchdog::ready()
{
    if (std::exchange(m_ready, true))
        return;
    SystemdNotify::send(QByteArrayLiteral("READY=1"));
}

}  // namespace korvel
