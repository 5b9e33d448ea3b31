#pragma once

#include "platform/Timer.h"

#include <QDateTime>
#include <QObject>

#include <chrono>
#include <functional>

namespace korvel::ProcessHeap {

// How many malloc arenas the kiosk's own process keeps. The engine's browser side runs in this
// process on dozens of threads, and its thread pool ends and starts workers all day: with glibc's
// default of one arena per thread up to eight per core, each window opened and closed left a few
// kilobytes of freed but unreturned memory spread over the arenas, for as long as the kiosk ran.
// One arena returned the same run of windows to a flat line (the renderers are other processes and
// keep their own allocator).
inline constexpr int arenaLimit = 1;

// Applies the limit before the process starts any thread. An administrator's MALLOC_ARENA_MAX,
// already read by the C library, is left as it is. False when the C library refused the setting.
bool limitArenas();

// Hands the free pages inside the heap back to the system. The C library gives back only the top
// of its heap by itself; what a burst frees below live blocks stays the process's for good.
void returnFreePages();

// Gathers the moments that leave much of the process's memory free into one return of the heap's
// free pages. Replacing a renderer makes the engine's browser side build and drop megabytes at
// once; kept, each such peak added a lasting step to the kiosk's memory. The return comes a few
// seconds after the moment (the new page has settled by then) and at most once a minute, so a run
// of closing windows costs one walk of the heap.
class FreedMemory final : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::seconds settle{5};
    static constexpr std::chrono::seconds apart{60};

    explicit FreedMemory(std::function<void()> give = returnFreePages, QObject* parent = nullptr);
    // The one the kiosk's windows report to; it lasts as long as the process.
    static FreedMemory& shared();

    // Something large was just let go: a return follows, unless one is already on its way.
    void freed();
    bool pending() const { return m_timer.isActive(); }

private:
    void give();

    std::function<void()> m_give;
    Timer m_timer;
    QDateTime m_lastGiven;
};

}  // namespace korvel::ProcessHeap
