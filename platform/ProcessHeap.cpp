#include "platform/ProcessHeap.h"

#include "platform/Clock.h"

#include <algorithm>
#include <cstdlib>

#include <malloc.h>

namespace korvel::ProcessHeap {

bool limitArenas()
{
    if (std::getenv("MALLOC_ARENA_MAX"))
        return true;
    return mallopt(M_ARENA_MAX, arenaLimit) == 1;
}

void returnFreePages()
{
    malloc_trim(0);
}

FreedMemory::FreedMemory(std::function<void()> give, QObject* parent)
    : QObject(parent)
    , m_give(std::move(give))
{
    connect(&m_timer, &Timer::timeout, this, &FreedMemory::give);
}

FreedMemory& FreedMemory::shared()
{
    // Never destroyed: windows may report while the application object is already going away.
    static FreedMemory* memory = new FreedMemory;
    return *memory;
}

void FreedMemory::freed()
{
    // A return on its way covers this moment too; moving it later would let a steady run of
    // moments put it off for ever.
    if (m_timer.isActive())
        return;
    std::chrono::milliseconds wait = settle;
    if (m_lastGiven.isValid()) {
        const std::chrono::milliseconds since(m_lastGiven.msecsTo(Clock::instance().now()));
        // A clock set back counts as a full minute since the last return, never as more.
        wait = std::clamp<std::chrono::milliseconds>(apart - since, settle, apart);
    }
    m_timer.start(wait, TimerMode::SingleShot);
}

void FreedMemory::give()
{
    m_lastGiven = Clock::instance().now();
    m_give();
}

}  // namespace korvel::ProcessHeap
