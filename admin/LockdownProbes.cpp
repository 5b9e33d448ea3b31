#include "admin/LockdownProbes.h"

#include <QJsonArray>

namespace korvel {

namespace {

ProbeOutcome passed(const char* name, const QString& detail = {})
{
    return {QLatin1String(name), ProbeResult::Passed, {}, detail};
}

ProbeOutcome judged(const char* name, ProbeResult result, const QString& advice, const QString& detail = {})
{
    return {QLatin1String(name), result, advice, detail};
}

QString octal(uint mode)
{
    return QStringLiteral("%1").arg(mode, 4, 8, QLatin1Char('0'));
}

ProbeOutcome userProbe(const SessionFacts& f)
{
    const QString detail = QStringLiteral("uid %1").arg(f.kioskUser);
    if (f.kioskUser == 0)
        return judged("user", ProbeResult::Failed,
                      QStringLiteral("Korvel runs as root: run it as its own unprivileged user (the kiosk session runs it as \"korvel\")."), detail);
    return passed("user", detail);
}

ProbeOutcome sandboxProbe(const SessionFacts& f)
{
    const QString detail = f.sandbox.describe();
    if (f.sandboxTurnedOff)
        return judged("sandbox", ProbeResult::Failed,
                      QStringLiteral("The engine's sandbox is turned off: remove QTWEBENGINE_DISABLE_SANDBOX and --no-sandbox from the session."),
                      detail);
    switch (f.sandbox.state) {
    case SandboxState::On:
        return passed("sandbox", detail);
    case SandboxState::Off:
        return judged("sandbox", ProbeResult::Failed,
                      QStringLiteral("Renderers run without their own namespaces or seccomp filter: allow unprivileged user namespaces "
                                     "(kernel.unprivileged_userns_clone=1, RestrictNamespaces= with user pid net) and do not run as root."),
                      detail);
    case SandboxState::NoRenderer:
        return judged("sandbox", ProbeResult::Warning, QStringLiteral("No page is shown yet: run the self-test again once one is."), detail);
    }
    return passed("sandbox", detail);
}

ProbeOutcome windowManagerProbe(const SessionFacts& f)
{
    if (f.underCage)
        return passed("window manager", QStringLiteral("cage"));
    if (f.platform == QLatin1String("offscreen"))
        return judged("window manager", ProbeResult::Warning,
                      QStringLiteral("Korvel runs without a display here: run the self-test against the kiosk session."), f.platform);
    if (f.platform == QLatin1String("xcb")) {
        if (f.windowManager.isEmpty())
            return passed("window manager", QStringLiteral("none (bare X server)"));
        return judged("window manager", ProbeResult::Failed,
                      QStringLiteral("A window manager runs (%1): %2 Run Korvel in the kiosk session (cage) or on a bare X server.")
                          .arg(f.windowManager, LockdownProbes::knownEscapes(f.windowManager)),
                      f.windowManager);
    }
    return judged("window manager", ProbeResult::Warning,
                  QStringLiteral("A compositor other than cage may have keys of its own that open other programs: use the kiosk session."),
                  f.platform);
}

ProbeOutcome xTcpProbe(const SessionFacts& f)
{
    if (f.xTcpPorts.isEmpty())
        return passed("X server on TCP", QStringLiteral("no X port open"));
    QStringList ports;
    for (const int port : f.xTcpPorts)
        ports << QString::number(port);
    return judged("X server on TCP", ProbeResult::Failed,
                  QStringLiteral("An X server listens on TCP port %1: anyone on the network may read keys and inject input. Start it with "
                                 "-nolisten tcp.")
                      .arg(ports.join(QStringLiteral(", "))),
                  ports.join(QStringLiteral(", ")));
}

ProbeOutcome vtProbe(const SessionFacts& f)
{
    if (!f.vtSwitching)
        return passed("VT switching", QStringLiteral("no terminal"));
    if (*f.vtSwitching)
        return judged("VT switching", ProbeResult::Failed,
                      QStringLiteral("Ctrl+Alt+F1..F12 switch to another terminal (a login prompt): start cage without -s, or X with "
                                     "-novtswitch and DontVTSwitch."),
                      QStringLiteral("allowed"));
    return passed("VT switching", QStringLiteral("refused"));
}

ProbeOutcome homeProbe(const SessionFacts& f)
{
    const QString detail = QStringLiteral("%1 %2").arg(f.home.path, octal(f.home.mode));
    if (f.home.exists && (f.home.mode & 0022) != 0)
        return judged("home", ProbeResult::Failed,
                      QStringLiteral("Other users may write into Korvel's home: chmod go-w %1.").arg(f.home.path), detail);
    if (f.home.exists && f.home.owner != f.kioskUser)
        return judged("home", ProbeResult::Warning,
                      QStringLiteral("Korvel's home belongs to another user (uid %1): give it to the kiosk's user.").arg(f.home.owner), detail);
    return passed("home", detail);
}

ProbeOutcome programsProbe(const SessionFacts& f)
{
    QStringList writable;
    for (const FileFacts& p : f.programs) {
        if (p.exists && p.writableByKiosk)
            writable << p.path;
    }
    if (writable.isEmpty())
        return passed("programs", QStringLiteral("%1 checked").arg(f.programs.size()));
    return judged("programs", ProbeResult::Failed,
                  QStringLiteral("The kiosk's user may change what it runs (%1): install Korvel as root (the korvel package) and run it as "
                                 "another user.")
                      .arg(writable.join(QStringLiteral(", "))),
                  writable.join(QStringLiteral(", ")));
}

ProbeOutcome managedProbe(const SessionFacts& f)
{
    if (!f.managed.exists)
        return passed("managed file", QStringLiteral("none at %1").arg(f.managed.path));
    const QString detail = QStringLiteral("%1 uid %2 %3").arg(f.managed.path).arg(f.managed.owner).arg(octal(f.managed.mode));
    if (f.managed.owner != 0 || f.managed.writableByKiosk || (f.managed.mode & 0022) != 0)
        return judged("managed file", ProbeResult::Failed,
                      QStringLiteral("The managed configuration may be changed by others than root: chown root:korvel %1 and chmod 0640.")
                          .arg(f.managed.path),
                      detail);
    return passed("managed file", detail);
}

ProbeOutcome passwordProbe(const SessionFacts& f)
{
    if (f.factoryPassword)
        return judged("factory password", ProbeResult::Failed,
                      QStringLiteral("The settings still open with the factory password: set one (korvelctl password set)."), QStringLiteral("in use"));
    return passed("factory password", QStringLiteral("changed"));
}

ProbeOutcome uploadProbe(const SessionFacts& f)
{
    if (!f.uploadServerOn)
        return passed("upload server", QStringLiteral("off"));
    if (!f.uploadAccessCode)
        return judged("upload server", ProbeResult::Failed,
                      QStringLiteral("The upload server runs without an access code: anyone on the network may put files on the kiosk. Set "
                                     "UploadAccessCode or turn ServerSwitch off."),
                      QStringLiteral("on, no access code"));
    return passed("upload server", QStringLiteral("on, with an access code"));
}

ProbeOutcome controlProbe(const SessionFacts& f)
{
    if (f.controlSocketPrivate)
        return passed("control API", QStringLiteral("local socket, mode 0600"));
    return judged("control API", ProbeResult::Failed,
                  QStringLiteral("The control socket may be reached by other users: remove it and restart Korvel."), QStringLiteral("open"));
}

ProbeOutcome hardeningProbe(const SessionFacts& f)
{
    const QString detail = f.hardening.describe().join(QStringLiteral(", "));
    QStringList off;
    if (!f.hardening.disableJIT)
        off << QStringLiteral("DisableJIT");
    if (!f.hardening.limitWebRTC)
        off << QStringLiteral("LimitWebRTC");
    if (!f.hardening.blockThirdPartyCookies)
        off << QStringLiteral("BlockThirdPartyCookies");
    if (off.isEmpty())
        return passed("engine hardening", detail);
    return judged("engine hardening", ProbeResult::Warning,
                  QStringLiteral("Hardening switches are off (%1): turn them on unless the kiosk's websites need them, then restart Korvel.")
                      .arg(off.join(QStringLiteral(", "))),
                  detail);
}

}  // namespace

QList<ProbeOutcome> LockdownProbes::evaluate(const SessionFacts& facts)
{
    return {userProbe(facts),   sandboxProbe(facts),  windowManagerProbe(facts), xTcpProbe(facts),   vtProbe(facts),
            homeProbe(facts),   programsProbe(facts), managedProbe(facts),       passwordProbe(facts), uploadProbe(facts),
            controlProbe(facts), hardeningProbe(facts)};
}

int LockdownProbes::exitStatus(const QList<ProbeOutcome>& outcomes)
{
    int status = 0;
    for (const ProbeOutcome& o : outcomes) {
        switch (o.result) {
        case ProbeResult::Passed:
            break;
        case ProbeResult::Warning:
            status = std::max(status, 1);
            break;
        case ProbeResult::Failed:
            status = 2;
            break;
        }
    }
    return status;
}

int LockdownProbes::exitStatus(const QJsonObject& report)
{
    const QJsonArray probes = report.value(QStringLiteral("probes")).toArray();
    if (probes.isEmpty())
        return 2;
    QList<ProbeOutcome> outcomes;
    for (const QJsonValue& p : probes) {
        const QString result = p.toObject().value(QStringLiteral("result")).toString();
        outcomes << ProbeOutcome{{}, result == QLatin1String("passed")    ? ProbeResult::Passed
                                     : result == QLatin1String("warning") ? ProbeResult::Warning
                                                                          : ProbeResult::Failed};
    }
    return exitStatus(outcomes);
}

QString LockdownProbes::resultName(ProbeResult result)
{
    switch (result) {
    case ProbeResult::Passed:
        return QStringLiteral("passed");
    case ProbeResult::Warning:
        return QStringLiteral("warning");
    case ProbeResult::Failed:
        return QStringLiteral("failed");
    }
    return {};
}

QJsonObject LockdownProbes::toJson(const SessionFacts& facts, const QList<ProbeOutcome>& outcomes)
{
    QJsonArray probes;
    for (const ProbeOutcome& o : outcomes)
        probes.append(QJsonObject{{QStringLiteral("name"), o.name},
                                  {QStringLiteral("result"), resultName(o.result)},
                                  {QStringLiteral("advice"), o.advice},
                                  {QStringLiteral("detail"), o.detail}});
    return {{QStringLiteral("engine"), facts.engineVersion},
            {QStringLiteral("switches"), QJsonArray::fromStringList(facts.hardening.describe())},
            {QStringLiteral("probes"), probes}};
}

QString LockdownProbes::toText(const QJsonObject& report)
{
    QString text = QStringLiteral("Engine: %1\nSwitches: %2\n\n")
                       .arg(report.value(QStringLiteral("engine")).toString(),
                            report.value(QStringLiteral("switches")).toVariant().toStringList().join(QStringLiteral(", ")));
    for (const QJsonValue& value : report.value(QStringLiteral("probes")).toArray()) {
        const QJsonObject p = value.toObject();
        text += QStringLiteral("%1 %2  %3\n")
                    .arg(p.value(QStringLiteral("result")).toString().toUpper(), -8)
                    .arg(p.value(QStringLiteral("name")).toString(), -18)
                    .arg(p.value(QStringLiteral("detail")).toString());
        if (!p.value(QStringLiteral("advice")).toString().isEmpty())
            text += QStringLiteral("         -> %1\n").arg(p.value(QStringLiteral("advice")).toString());
    }
    return text;
}

QString LockdownProbes::knownEscapes(const QString& windowManager)
{
    const QString name = windowManager.toLower();
    const struct {
        const char* name;
        const char* escapes;
    } known[] = {
        {"openbox", "its root menu (right click on the desktop) starts a terminal, Alt+F4 closes Korvel, Alt+Tab and the desktop keys switch away."},
        {"xfwm4", "Alt+F4, Alt+Tab, its window menu (Alt+Space) and the desktop switch keys leave Korvel."},
        {"kwin", "Alt+F4, Alt+Tab, Alt+F2 (KRunner) and the window menu reach other programs."},
        {"mutter", "the Super key opens the overview with a program search; Alt+F4 and Alt+Tab leave Korvel."},
        {"gnome shell", "the Super key opens the overview with a program search; Alt+F4 and Alt+Tab leave Korvel."},
        {"metacity", "Alt+F4, Alt+Tab and the window menu (Alt+Space) leave Korvel."},
        {"fluxbox", "its root menu starts a terminal; Alt+F4 and the desktop keys leave Korvel."},
        {"i3", "its keys start a terminal (Mod+Enter) and move Korvel away."},
    };
    for (const auto& k : known) {
        if (name.contains(QLatin1String(k.name)))
            return QLatin1String(k.escapes);
    }
    return QStringLiteral("window managers bring keys and menus that close Korvel or start other programs.");
}

}  // namespace korvel
