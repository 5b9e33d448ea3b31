#include "platform/Timer.h"

namespace korvel {

Timer::Timer(QObject* parent)
    : QObject(parent)
{
}

Timer::~Timer()
{
    stop();
}

void Timer::start(std::chrono::milliseconds interval, TimerMode mode)
{
    stop();
    m_interval = interval;
    m_mode = mode;
    // Remember the clock that holds the task, so stop() cancels it there even if tests swap clocks.
    m_clock = &Clock::instance();
    arm();
}

void Timer::stop()
{
    if (m_task != 0 && m_clock)
        m_clock->cancel(m_task);
    m_task = 0;
}

void Timer::arm()
{
    QPointer<Timer> self(this);
    m_task = m_clock->schedule(m_interval, [self] {
        if (!self)
            return;
        self->m_task = 0;
        switch (self->m_mode) {
        case TimerMode::Repeating:
            self->arm();
            break;
        case TimerMode::SingleShot:
            break;
        }
        Q_EMIT self->timeout();
    });
}

void singleShot(std::chrono::milliseconds delay, QObject* context, std::function<void()> task)
{
    QPointer<QObject> guard(context);
    const bool guarded = context != nullptr;
    Clock::instance().schedule(delay, [guard, guarded, task = std::move(task)] {
        if (!guarded || guard)
            task();
    });
}

}  // namespace korvel
