#pragma once

#include <QByteArray>

#include <chrono>

namespace korvel::SystemdNotify {

// Sends `state` ("READY=1", "WATCHDOG=1", ...) to the service manager that started this process
// ($NOTIFY_SOCKET: a path, or an abstract name after "@"). False when there is none or it failed.
bool send(const QByteArray& state);

// How often the service manager wants to hear from this process ($WATCHDOG_USEC, when
// $WATCHDOG_PID is unset or names this process); zero when it does not watch.
std::chrono::microseconds watchdogInterval();

}  // namespace korvel::SystemdNotify
