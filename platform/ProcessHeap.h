#pragma once

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

}  // namespace korvel::ProcessHeap
