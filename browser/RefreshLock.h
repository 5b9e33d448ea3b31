#pragma once

#include "platform/Timer.h"

#include <chrono>

namespace korvel {

// An action that may run once and then rests for a while: the error refresh and the Home action
// each rest 15 seconds. Time comes from the installed clock.
class RefreshLock {
public:
    explicit RefreshLock(std::chrono::milliseconds rest = std::chrono::seconds(15));

    // True, and the lock closes for the rest period, when the action may run now.
    bool tryRun();
    bool isOpen() const { return m_open; }
    // Opens the lock at once (a network gain before its refresh).
    void open();

private:
    std::chrono::milliseconds m_rest;
    bool m_open = true;
    Timer m_timer;
};

}  // namespace korvel
