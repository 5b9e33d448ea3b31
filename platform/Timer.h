#pragma once

#include "platform/Clock.h"

#include <QObject>
#include <QPointer>

#include <chrono>
#include <functional>

namespace korvel {

enum class TimerMode { SingleShot, Repeating };

// A timer on the installed Clock. Restarting replaces the pending tick; destruction cancels it.
class Timer final : public QObject {
    Q_OBJECT
public:
    explicit Timer(QObject* parent = nullptr);
    ~Timer() override;

    void start(std::chrono::milliseconds interval, TimerMode mode = TimerMode::Repeating);
    void stop();
    bool isActive() const { return m_task != 0; }
    std::chrono::milliseconds interval() const { return m_interval; }

Q_SIGNALS:
    void timeout();

private:
    void arm();

    std::chrono::milliseconds m_interval{0};
    TimerMode m_mode = TimerMode::SingleShot;
    Clock::TaskId m_task = 0;
    Clock* m_clock = nullptr;
};

// Runs `task` once after `delay`, unless `context` (when given) is destroyed first.
void singleShot(std::chrono::milliseconds delay, QObject* context, std::function<void()> task);

}  // namespace korvel
