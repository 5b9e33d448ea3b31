#include "platform/ProcessHeap.h"

#include <cstdlib>

#include <malloc.h>

namespace korvel::ProcessHeap {

bool limitArenas()
{
    if (std::getenv("MALLOC_ARENA_MAX"))
        return true;
    return mallopt(M_ARENA_MAX, arenaLimit) == 1;
}

}  // namespace korvel::ProcessHeap
