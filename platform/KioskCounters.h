#pragma once

#include <QtGlobal>

#include <atomic>

namespace korvel {

// What the kiosk counts from its start for the status and metrics of the remote control API: the
// places that see the events count them here, the API reads them from any thread.
struct KioskCounters {
    std::atomic<qint64> navigations{0};       // main-frame navigations put to the website rules
    std::atomic<qint64> refusedNavigations{0};
    std::atomic<qint64> rendererCrashes{0};
    std::atomic<qint64> loadErrors{0};
    std::atomic<qint64> imports{0};           // settings documents put into effect

    static KioskCounters& shared();
};

}  // namespace korvel
