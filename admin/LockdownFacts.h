#pragma once

#include "admin/LockdownProbes.h"

#include <QList>
#include <QString>

#include <optional>

namespace korvel {

// Gathers the self-test's facts in the running kiosk: its own user and renderers, the files it
// could change, the sockets of the machine. What only the window system knows (the toolkit's
// platform, the X window manager's name) and the engine's version come from the caller.
class LockdownFacts {
public:
    // `rendererPids`: the engine's renderer processes.
    static SessionFacts gather(const QString& platform, const QString& windowManager, const QString& engineVersion,
                               const QList<qint64>& rendererPids);

    // TCP ports of X servers (6000-6063) listened on, from /proc/net/tcp and tcp6 (another root in tests).
    static QList<int> xTcpPorts(const QString& procNet = QStringLiteral("/proc/net"));
    // Whether the display server lets keys switch terminals, from the command lines of cage and
    // Xorg among `procRoot`'s processes; none where neither runs (no terminal to switch to).
    // `underCage` says whether the process `pid` runs inside cage.
    static std::optional<bool> vtSwitching(const QString& procRoot, qint64 pid, bool* underCage);
    // The file as this process (the kiosk's user) may change it.
    static FileFacts file(const QString& path);
};

}  // namespace korvel
