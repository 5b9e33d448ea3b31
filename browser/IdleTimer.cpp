#include "browser/IdleTimer.h"

#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"

#include <cmath>

namespace korvel {

IdleTimer::IdleTimer(Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
    , m_timer(this)
{
    m_interval = m_hooks.idleTimeout();
    connect(&m_timer, &Timer::timeout, this, &IdleTimer::fire);
}

void IdleTimer::reset()
{
    m_lastEventTime = Clock::instance().now();
    if (m_timer.isActive() || !m_hooks.wanted())
        return;
    m_timer.start(std::chrono::milliseconds(std::llround(m_interval * 1000.0)), TimerMode::SingleShot);
}

void IdleTimer::invalidate()
{
    m_timer.stop();
}

void IdleTimer::magicTouch()
{
    m_interval = m_hooks.idleTimeout();
    reset();
}

void IdleTimer::fire()
{
    const double elapsed = m_lastEventTime.msecsTo(Clock::instance().now()) / 1000.0;
    m_timer.stop();
    if (m_interval > elapsed + 1.0) {
        // Touched since the timer started: only the rest of the interval is still missing.
        m_interval = m_hooks.idleTimeout() - elapsed;
        reset();
        return;
    }
    m_interval = m_hooks.idleTimeout();
    m_hooks.exceeded();
}

void IdleTimer::observeEvents()
{
    if (m_observing)
        return;
    m_observing = true;
    NotificationCenter::defaultCenter().addObserver(this, kEventHasOccurredNotification, [this](const Notification&) { reset(); });
}

void IdleTimer::stopObservingEvents()
{
    if (!m_observing)
        return;
    m_observing = false;
    NotificationCenter::defaultCenter().removeObserver(this, kEventHasOccurredNotification);
}

}  // namespace korvel
