#pragma once

#include "browser/EngineSandbox.h"
#include "browser/EngineHardening.h"

#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

#include <sys/types.h>

namespace korvel {

enum class ProbeResult { Passed, Warning, Failed };

// One probe of the self-test: its name, its result and what to do about it (empty when passed).
struct ProbeOutcome {
    QString name;
    ProbeResult result = ProbeResult::Passed;
    QString advice;
    // What was seen, for the table ("uid 1000", "openbox").
    QString detail;
};

// A file or folder as the kiosk's user sees it.
struct FileFacts {
    QString path;
    bool exists = false;
    uid_t owner = 0;
    uint mode = 0;           // permission bits (07777)
    bool writableByKiosk = false;
};

// What the self-test knows of the session the kiosk runs in, gathered by the kiosk itself (its
// user, its renderers, its window system) and from the machine (files, sockets).
struct SessionFacts {
    uid_t kioskUser = 0;
    SandboxObservation sandbox;
    bool sandboxTurnedOff = false;   // by the start's environment or arguments
    QString platform;                // the toolkit's platform: "xcb", "wayland", "offscreen"
    bool underCage = false;          // inside the cage compositor (no window manager of its own)
    QString windowManager;           // the X window manager's name; empty without one
    QList<int> xTcpPorts;            // TCP ports 6000-6063 listened on (X servers open to the network)
    std::optional<bool> vtSwitching; // whether the display server lets keys switch terminals; none: no terminal
    FileFacts home;
    QList<FileFacts> programs;       // the kiosk's executables and resources
    FileFacts managed;               // the managed configuration file
    bool factoryPassword = false;
    bool uploadServerOn = false;
    bool uploadAccessCode = false;
    bool controlSocketPrivate = true;  // the control socket is the kiosk's own, mode 0600
    EngineHardening hardening;
    QString engineVersion;           // "Qt WebEngine 6.4.2 (Chromium 102...)"
};

// The session probes of `korvelctl selftest` and of the settings' "Check Lockdown" screen: plain
// judgements of the facts, one outcome per probe, in a fixed order.
class LockdownProbes {
public:
    static QList<ProbeOutcome> evaluate(const SessionFacts& facts);

    // 0 when every probe passed, 1 when one warns and none fails, 2 when one fails.
    static int exitStatus(const QList<ProbeOutcome>& outcomes);
    // The same of a report's "probes"; 2 when it has none (nothing was checked).
    static int exitStatus(const QJsonObject& report);
    static QString resultName(ProbeResult result);
    // {"engine": ..., "switches": [...], "probes": [{"name", "result", "advice", "detail"}]}.
    static QJsonObject toJson(const SessionFacts& facts, const QList<ProbeOutcome>& outcomes);
    // The same as a table of lines for a terminal.
    static QString toText(const QJsonObject& report);
    // Names of X window managers with the ways out they are known for, for the advice.
    static QString knownEscapes(const QString& windowManager);
};

}  // namespace korvel
