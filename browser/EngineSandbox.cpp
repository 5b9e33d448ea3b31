#include "browser/EngineSandbox.h"

#include <QFile>

#include <unistd.h>

namespace korvel {

namespace {

const char* const namespaceKinds[] = {"user", "pid", "net", "mnt"};

QByteArray readSmall(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.read(64 * 1024);
}

QString statusField(const QByteArray& status, const char* name)
{
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(prefix))
            return QString::fromLatin1(line.mid(prefix.size()).trimmed());
    }
    return {};
}

// The link's text as the kernel writes it ("net:[4026531840]"); empty when it cannot be read.
QString namespaceLink(const QString& procRoot, const QString& process, const char* kind)
{
    const QByteArray path = QFile::encodeName(procRoot + QLatin1Char('/') + process + QStringLiteral("/ns/") + QLatin1String(kind));
    char target[256];
    const ssize_t length = ::readlink(path.constData(), target, sizeof target);
    return length > 0 ? QString::fromLatin1(target, qsizetype(length)) : QString();
}

QString seccompName(int mode)
{
    switch (mode) {
    case 0:
        return QStringLiteral("no seccomp");
    case 1:
        return QStringLiteral("seccomp strict");
    case 2:
        return QStringLiteral("seccomp filter");
    default:
        return QStringLiteral("seccomp unknown");
    }
}

}  // namespace

QString RendererConfinement::describe() const
{
    QString text = QStringLiteral("renderer %1: %2").arg(pid).arg(seccompName(seccomp));
    text += ownNamespaces.isEmpty() ? QStringLiteral(", no namespace of its own")
                                    : QStringLiteral(", own %1 namespaces").arg(ownNamespaces.join(QStringLiteral(", ")));
    if (!unreadableNamespaces.isEmpty())
        text += QStringLiteral(" (unreadable: %1)").arg(unreadableNamespaces.join(QStringLiteral(", ")));
    return text;
}

QString SandboxObservation::describe() const
{
    QStringList parts;
    for (const RendererConfinement& r : renderers)
        parts << r.describe();
    switch (state) {
    case SandboxState::On:
        return QStringLiteral("on (%1)").arg(parts.join(QStringLiteral("; ")));
    case SandboxState::Off:
        return QStringLiteral("OFF (%1)").arg(parts.join(QStringLiteral("; ")));
    case SandboxState::NoRenderer:
        return QStringLiteral("no renderer runs yet");
    }
    return {};
}

RendererConfinement EngineSandbox::inspect(const QString& procRoot, qint64 pid, qint64 browserPid)
{
    RendererConfinement r;
    r.pid = pid;
    const QString process = QString::number(pid);
    const QByteArray status = readSmall(procRoot + QLatin1Char('/') + process + QStringLiteral("/status"));
    bool number = false;
    const int seccomp = statusField(status, "Seccomp").toInt(&number);
    r.seccomp = number ? seccomp : -1;
    const QString browser = QString::number(browserPid);
    for (const char* kind : namespaceKinds) {
        const QString own = namespaceLink(procRoot, process, kind);
        const QString browsers = namespaceLink(procRoot, browser, kind);
        if (own.isEmpty() || browsers.isEmpty()) {
            // A PID namespace shows without the link: a nested one lists more than one pid in NSpid.
            const QStringList nested = statusField(status, "NSpid").split(QLatin1Char('\t'), Qt::SkipEmptyParts);
            if (QLatin1String(kind) == QLatin1String("pid") && nested.size() > 1)
                r.ownNamespaces << QLatin1String(kind);
            else
                r.unreadableNamespaces << QLatin1String(kind);
            continue;
        }
        if (own != browsers)
            r.ownNamespaces << QLatin1String(kind);
    }
    return r;
}

SandboxState EngineSandbox::judge(const QList<RendererConfinement>& renderers)
{
    if (renderers.isEmpty())
        return SandboxState::NoRenderer;
    for (const RendererConfinement& r : renderers) {
        if (r.seccomp != 2 || !r.ownNamespaces.contains(QStringLiteral("pid")) || !r.ownNamespaces.contains(QStringLiteral("net")))
            return SandboxState::Off;
    }
    return SandboxState::On;
}

SandboxObservation EngineSandbox::observe(const QList<qint64>& rendererPids, const QString& procRoot, qint64 browserPid)
{
    const qint64 browser = browserPid > 0 ? browserPid : qint64(::getpid());
    SandboxObservation o;
    for (const qint64 pid : rendererPids) {
        RendererConfinement r = inspect(procRoot, pid, browser);
        // A renderer that ended between the listing and the reading says nothing.
        if (r.seccomp >= 0)
            o.renderers << r;
    }
    o.state = judge(o.renderers);
    return o;
}

bool EngineSandbox::turnedOff(const QStringList& arguments, const QMap<QString, QString>& environment)
{
    // The engine turns its sandbox off when the variable is set at all, whatever its value.
    if (environment.contains(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX")))
        return true;
    const auto off = [](const QString& flag) {
        return flag == QLatin1String("--no-sandbox") || flag == QLatin1String("--single-process");
    };
    if (std::any_of(arguments.begin(), arguments.end(), off))
        return true;
    const QStringList flags = environment.value(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS")).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return std::any_of(flags.begin(), flags.end(), off);
}

QStringList EngineSandbox::startWarnings(uid_t effectiveUser, const QStringList& arguments, const QMap<QString, QString>& environment)
{
    QStringList warnings;
    if (effectiveUser == 0)
        warnings << QStringLiteral("Korvel runs as root: a page that escapes the browser owns the machine. Run it as its own "
                                   "unprivileged user (the korvel package's kiosk session does).");
    if (turnedOff(arguments, environment))
        warnings << QStringLiteral("The web engine's sandbox is turned off (QTWEBENGINE_DISABLE_SANDBOX, --no-sandbox or "
                                   "--single-process): renderers run with all of the kiosk user's rights. Remove the switch.");
    return warnings;
}

}  // namespace korvel
