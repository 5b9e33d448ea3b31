#include "platform/Clock.h"

#include <QHash>
#include <QTimer>

namespace korvel {

namespace {

class SystemClock final : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }

    TaskId schedule(std::chrono::milliseconds delay, std::function<void()> task) override
    {
        const TaskId id = ++m_lastId;
        auto* timer = new QTimer;
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        QObject::connect(timer, &QTimer::timeout, timer, [this, id, task = std::move(task)] {
            if (QTimer* fired = m_timers.take(id))
                fired->deleteLater();
            task();
        });
        m_timers.insert(id, timer);
        timer->start(delay);
        return id;
    }

    void cancel(TaskId id) override
    {
        if (QTimer* timer = m_timers.take(id)) {
            timer->stop();
            timer->deleteLater();
        }
    }

private:
    TaskId m_lastId = 0;
    QHash<TaskId, QTimer*> m_timers;
};

Clock* installed = nullptr;

}  // namespace

Clock& Clock::instance()
{
    if (installed)
        return *installed;
    static SystemClock system;
    return system;
}

void Clock::setInstance(Clock* clock)
{
    installed = clock;
}

}  // namespace korvel
