#pragma once

#include <QJsonObject>

namespace korvel {

// The self-test's report of the session this kiosk runs in: the plain probes fed with what the
// window system says (the toolkit's platform, the X window manager) and the engine's version.
class LockdownReport {
public:
    static QJsonObject current();
};

}  // namespace korvel
