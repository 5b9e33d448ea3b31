#include "platform/KioskCounters.h"

namespace korvel {

KioskCounters& KioskCounters::shared()
{
    static KioskCounters counters;
    return counters;
}

}  // namespace korvel
