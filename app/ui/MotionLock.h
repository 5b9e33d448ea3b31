#pragma once

namespace korvel {

class DimmingOverlay;
class NavigationStack;

// The motion lock: the visible screen dimmed and out of reach until the device is at rest, with a
// sentence that says why. The lock is made once for the kiosk's life, not with the screens, so its
// sentence follows a change of language by itself.
namespace MotionLock {

DimmingOverlay* make(NavigationStack* stack);

}  // namespace MotionLock

}  // namespace korvel
