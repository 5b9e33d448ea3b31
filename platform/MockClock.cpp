#include "platform/MockClock.h"

#include <QTimeZone>

namespace korvel {

MockClock::MockClock(QDateTime start)
    : m_now(std::move(start))
{
}

Clock::TaskId MockClock::schedule(std::chrono::milliseconds delay, std::function<void()> task)
{
    const TaskId id = ++m_lastId;
    const qint64 due = m_now.toMSecsSinceEpoch() + std::max<qint64>(0, delay.count());
    m_tasks.emplace(std::make_pair(due, id), std::move(task));
    return id;
}

void MockClock::cancel(TaskId id)
{
    for (auto it = m_tasks.begin(); it != m_tasks.end(); ++it) {
        if (it->first.second == id) {
            m_tasks.erase(it);
            return;
        }
    }
}

void MockClock::advance(std::chrono::milliseconds by)
{
    const qint64 target = m_now.toMSecsSinceEpoch() + by.count();
    while (!m_tasks.empty() && m_tasks.begin()->first.first <= target) {
        auto node = m_tasks.extract(m_tasks.begin());
        m_now = QDateTime::fromMSecsSinceEpoch(node.key().first, m_now.timeZone());
        node.mapped()();
    }
    m_now = QDateTime::fromMSecsSinceEpoch(target, m_now.timeZone());
}

}  // namespace korvel
