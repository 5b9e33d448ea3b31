#include "admin/LockdownFacts.h"

#include "platform/Paths.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>
#include <unistd.h>

namespace korvel {

namespace {

QByteArray readSmall(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(256 * 1024) : QByteArray();
}

QList<QByteArray> commandLine(const QString& procRoot, const QString& pid)
{
    QList<QByteArray> arguments = readSmall(procRoot + QLatin1Char('/') + pid + QStringLiteral("/cmdline")).split('\0');
    while (!arguments.isEmpty() && arguments.last().isEmpty())
        arguments.removeLast();
    return arguments;
}

QByteArray programName(const QList<QByteArray>& arguments)
{
    if (arguments.isEmpty())
        return {};
    const QByteArray& first = arguments.first();
    return first.mid(first.lastIndexOf('/') + 1);
}

}  // namespace

QList<int> LockdownFacts::xTcpPorts(const QString& procNet)
{
    QList<int> ports;
    for (const char* table : {"tcp", "tcp6"}) {
        const QList<QByteArray> lines = readSmall(procNet + QLatin1Char('/') + QLatin1String(table)).split('\n');
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QList<QByteArray> fields = lines.at(i).simplified().split(' ');
            // "sl local_address rem_address st ...": 0A is LISTEN; the port follows the colon, in hex.
            if (fields.size() < 4 || fields.at(3) != "0A")
                continue;
            bool ok = false;
            const int port = fields.at(1).mid(fields.at(1).lastIndexOf(':') + 1).toInt(&ok, 16);
            if (ok && port >= 6000 && port <= 6063 && !ports.contains(port))
                ports << port;
        }
    }
    std::sort(ports.begin(), ports.end());
    return ports;
}

std::optional<bool> LockdownFacts::vtSwitching(const QString& procRoot, qint64 pid, bool* underCage)
{
    QHash<qint64, qint64> parents;
    std::optional<bool> switching;
    *underCage = false;
    const QStringList entries = QDir(procRoot).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    QHash<qint64, QByteArray> names;
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 p = entry.toLongLong(&number);
        if (!number)
            continue;
        const QByteArray stat = readSmall(procRoot + QLatin1Char('/') + entry + QStringLiteral("/stat"));
        const qsizetype close = stat.lastIndexOf(')');
        if (close > 0) {
            const QList<QByteArray> fields = stat.mid(close + 2).split(' ');
            if (fields.size() >= 2)
                parents.insert(p, fields.at(1).toLongLong());
        }
        const QList<QByteArray> arguments = commandLine(procRoot, entry);
        const QByteArray name = programName(arguments);
        names.insert(p, name);
        // cage refuses Ctrl+Alt+Fn unless started with -s.
        if (name == "cage") {
            const bool allowed = arguments.mid(1, arguments.indexOf("--") < 0 ? -1 : arguments.indexOf("--") - 1).contains("-s");
            switching = switching.value_or(false) || allowed;
        }
        // Xorg switches unless told not to (DontVTSwitch in its configuration is not seen here).
        if (name == "Xorg" || name == "X")
            switching = switching.value_or(false) || !arguments.contains("-novtswitch");
    }
    qint64 p = parents.value(pid, -1);
    for (int step = 0; step < 64 && p > 0; ++step) {
        if (names.value(p) == "cage")
            *underCage = true;
        p = parents.value(p, -1);
    }
    return switching;
}

FileFacts LockdownFacts::file(const QString& path)
{
    FileFacts f;
    f.path = path;
    struct stat s {};
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &s) != 0)
        return f;
    f.exists = true;
    f.owner = s.st_uid;
    f.mode = s.st_mode & 07777;
    f.writableByKiosk = ::access(QFile::encodeName(path).constData(), W_OK) == 0;
    return f;
}

SessionFacts LockdownFacts::gather(const QString& platform, const QString& windowManager, const QString& engineVersion,
                                   const QList<qint64>& rendererPids)
{
    SessionFacts f;
    f.kioskUser = ::geteuid();
    f.sandbox = EngineSandbox::observe(rendererPids);
    QMap<QString, QString> environment;
    for (const char* name : {"QTWEBENGINE_DISABLE_SANDBOX", "QTWEBENGINE_CHROMIUM_FLAGS"}) {
        if (qEnvironmentVariableIsSet(name))
            environment.insert(QString::fromLatin1(name), qEnvironmentVariable(name));
    }
    f.sandboxTurnedOff = EngineSandbox::turnedOff(QCoreApplication::arguments(), environment);
    f.platform = platform;
    f.windowManager = windowManager;
    f.xTcpPorts = xTcpPorts();
    f.vtSwitching = vtSwitching(QStringLiteral("/proc"), ::getpid(), &f.underCage);
    f.home = file(Paths::home().isEmpty() ? QFileInfo(Paths::defaultsFile()).absolutePath() : Paths::home());
    // What the kiosk runs: its programs, the folder they are in, and what it reads as code (pages, scripts).
    const QString programs = QCoreApplication::applicationDirPath();
    for (const QString& path : {QCoreApplication::applicationFilePath(), programs + QStringLiteral("/korvelctl"), programs,
                                Paths::resourcesDirectory()}) {
        const FileFacts program = file(path);
        if (program.exists)
            f.programs << program;
    }
    f.managed = file(Paths::managedConfigurationFile());
    f.factoryPassword = PasswordStore::isFactoryPasswordInUse();
    const KVBrowserPrefSettings& preferences = KVSettings::getSettingsObject().kvBrowPref;
    f.uploadServerOn = preferences.serverSwitchOnOFF;
    f.uploadAccessCode = !preferences.uploadAccessCode.isEmpty();
    const FileFacts socket = file(Paths::controlSocketFile());
    f.controlSocketPrivate = !socket.exists || (socket.owner == f.kioskUser && (socket.mode & 0077) == 0);
    f.hardening = EngineHardening::inEffect(qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS"), preferences);
    f.engineVersion = engineVersion;
    return f;
}

}  // namespace korvel
