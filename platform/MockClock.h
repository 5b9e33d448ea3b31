#pragma once

#include "platform/Clock.h"

#include <map>
#include <utility>

namespace korvel {

// Manual time for tests: now() stands still until advance() moves it, and scheduled tasks run
// inside advance() in due order, each seeing now() equal to its due time.
class MockClock final : public Clock {
public:
    explicit MockClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0)));

    QDateTime now() const override { return m_now; }
    TaskId schedule(std::chrono::milliseconds delay, std::function<void()> task) override;
    void cancel(TaskId id) override;

    void advance(std::chrono::milliseconds by);
    // Jumps to `time` without running anything (a clock change).
    void setNow(const QDateTime& time) { m_now = time; }
    size_t pendingTasks() const { return m_tasks.size(); }

private:
    QDateTime m_now;
    TaskId m_lastId = 0;
    // Keyed by (due time in ms since epoch, id): ties run in scheduling order.
    std::map<std::pair<qint64, TaskId>, std::function<void()>> m_tasks;
};

}  // namespace korvel
