#include "browser/RefreshLock.h"

namespace korvel {

RefreshLock::RefreshLock(std::chrono::milliseconds rest)
    : m_rest(rest)
{
    QObject::connect(&m_timer, &Timer::timeout, [this] { m_open = true; });
}

bool RefreshLock::tryRun()
{
    if (!m_open)
        return false;
    m_open = false;
    m_timer.start(m_rest, TimerMode::SingleShot);
    return true;
}

void RefreshLock::open()
{
    m_timer.stop();
    m_open = true;
}

}  // namespace korvel
