#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <sys/types.h>

namespace korvel {

// What /proc says of one of the web engine's renderer processes.
struct RendererConfinement {
    qint64 pid = 0;
    // The Seccomp field of its status: 0 none, 1 strict, 2 filter; -1 when it could not be read.
    int seccomp = -1;
    // Namespaces ("user", "pid", "net", "mnt") it does not share with the browser process, and those
    // whose link could not be read.
    QStringList ownNamespaces;
    QStringList unreadableNamespaces;

    // "renderer 1234: seccomp filter, own user, pid, net namespaces".
    QString describe() const;
};

enum class SandboxState {
    On,          // every renderer runs under a seccomp filter in its own PID and network namespaces
    Off,         // at least one renderer does not
    NoRenderer,  // no renderer runs yet: nothing to judge
};

struct SandboxObservation {
    SandboxState state = SandboxState::NoRenderer;
    QList<RendererConfinement> renderers;

    // One line for the log and the self-test: "on (renderer 12: ...)", "OFF (...)", "no renderer yet".
    QString describe() const;
};

// Whether the web engine's renderers are sandboxed, read from /proc (a different root in tests). Chromium's
// sandbox on Linux puts each renderer in new user (or, with a setuid helper, only), PID and network
// namespaces and under a seccomp-bpf filter; either missing means a compromised renderer reaches
// the kiosk user's files and network. The renderers' pids come from the engine (its pages).
class EngineSandbox {
public:
    static RendererConfinement inspect(const QString& procRoot, qint64 pid, qint64 browserPid);
    static SandboxState judge(const QList<RendererConfinement>& renderers);
    // The renderers `rendererPids` (as the engine names them) inspected against `browserPid` (this
    // process by default) and judged; a renderer that has ended meanwhile is left out.
    static SandboxObservation observe(const QList<qint64>& rendererPids, const QString& procRoot = QStringLiteral("/proc"),
                                      qint64 browserPid = 0);

    // What is wrong with a start before any renderer exists: running as root, the sandbox turned
    // off by QTWEBENGINE_DISABLE_SANDBOX, by --no-sandbox among the arguments or in
    // QTWEBENGINE_CHROMIUM_FLAGS. One sentence each, with what to do; empty when nothing is.
    static QStringList startWarnings(uid_t effectiveUser, const QStringList& arguments, const QMap<QString, QString>& environment);
    // Whether the start's own arguments or environment turn the sandbox off.
    static bool turnedOff(const QStringList& arguments, const QMap<QString, QString>& environment);
};

}  // namespace korvel
