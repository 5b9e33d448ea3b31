#pragma once

#include "platform/Timer.h"

#include <QDateTime>
#include <QObject>

#include <functional>

namespace korvel {

// The idle timer with slack shared by the browser window and the home screen. A touch only moves
// the time of the last event; the one pending timer, when it fires early, schedules the rest of the
// interval. So the idle actions run `idleTimeout` seconds after the last touch (within a second),
// with one wake-up per interval and none per touch.
class IdleTimer final : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        std::function<double()> idleTimeout;  // the preference, in seconds
        std::function<bool()> wanted;         // whether a new timer may be started now
        std::function<void()> exceeded;       // the idle actions
    };

    explicit IdleTimer(Hooks hooks, QObject* parent = nullptr);

    // E = now; starts the timer for the current interval when none runs and one is wanted.
    void reset();
    // Stops the pending timer; the next reset starts it again.
    void invalidate();
    // Becoming active: a whole interval again from now.
    void magicTouch();
    // Every "EventHasOccurred" resets the timer while observing.
    void observeEvents();
    void stopObservingEvents();

    bool isActive() const { return m_timer.isActive(); }
    bool isObservingEvents() const { return m_observing; }
    // I: the interval the next timer is started with, in seconds.
    double interval() const { return m_interval; }

private:
    void fire();

    Hooks m_hooks;
    Timer m_timer;
    double m_interval = 0;
    QDateTime m_lastEventTime;
    bool m_observing = false;
};

}  // namespace korvel
