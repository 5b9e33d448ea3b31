#pragma once

#include <QDateTime>

#include <chrono>
#include <functional>

namespace korvel {

// The one source of the current time and of delays. Production code asks Clock::instance();
// tests install a MockClock and advance it, so timeouts are exercised exactly and instantly.
class Clock {
public:
    using TaskId = quint64;

    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;

    // Runs `task` once, on the main thread, after `delay`. Returns an id for cancel().
    virtual TaskId schedule(std::chrono::milliseconds delay, std::function<void()> task) = 0;
    // Cancelling a task that already ran or was cancelled does nothing.
    virtual void cancel(TaskId id) = 0;

    // The installed clock, the system clock when none is installed.
    static Clock& instance();
    // Installs `clock` (not owned); nullptr goes back to the system clock.
    static void setInstance(Clock* clock);
};

}  // namespace korvel
