#include "platform/Paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace korvel {

namespace {

struct PathSettings {
    QString home;
    QString managedConfiguration;
    QString trustedKeys;
};

PathSettings& settings()
{
    static PathSettings s = [] {
        PathSettings p;
        p.home = qEnvironmentVariable("KORVEL_HOME");
        p.managedConfiguration = qEnvironmentVariable("KORVEL_MANAGED_CONFIG");
        p.trustedKeys = qEnvironmentVariable("KORVEL_TRUSTED_KEYS_DIR");
        return p;
    }();
    return s;
}

QString ensured(const QString& directory)
{
    QDir().mkpath(directory);
    return directory;
}

QString xdg(QStandardPaths::StandardLocation location)
{
    return QStandardPaths::writableLocation(location) + QStringLiteral("/korvel");
}

}  // namespace

bool Paths::configureFromArguments(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--home")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty())
                return false;
            setHome(arguments.at(i + 1));
            return true;
        }
        if (argument.startsWith(QLatin1String("--home="))) {
            const QString value = argument.mid(7);
            if (value.isEmpty())
                return false;
            setHome(value);
            return true;
        }
    }
    return true;
}

void Paths::setHome(const QString& directory)
{
    settings().home = directory.isEmpty() ? QString() : QDir(directory).absolutePath();
}

QString Paths::home()
{
    return settings().home;
}

QString Paths::configDirectory()
{
    return ensured(home().isEmpty() ? xdg(QStandardPaths::GenericConfigLocation) : home());
}

QString Paths::dataDirectory()
{
    return ensured(home().isEmpty() ? xdg(QStandardPaths::GenericDataLocation) : home());
}

QString Paths::documentsDirectory()
{
    return ensured(dataDirectory() + QStringLiteral("/Documents"));
}

QString Paths::cachesDirectory()
{
    if (home().isEmpty())
        return ensured(xdg(QStandardPaths::GenericCacheLocation));
    return ensured(home() + QStringLiteral("/Caches"));
}

QString Paths::defaultsFile()
{
    return configDirectory() + QStringLiteral("/defaults.plist");
}

QString Paths::keychainFile()
{
    return configDirectory() + QStringLiteral("/keychain.plist");
}

QString Paths::vendorIdentifierFile()
{
    return configDirectory() + QStringLiteral("/vendor-identifier");
}

QString Paths::lockFile()
{
    return configDirectory() + QStringLiteral("/korvel.lock");
}

QString Paths::runtimeDirectory()
{
    // Beside the lock, whatever the environment of the process that asks: korvelctl run by root
    // or over SSH has another XDG_RUNTIME_DIR than the kiosk's session.
    const QString directory = (home().isEmpty() ? configDirectory() : home()) + QStringLiteral("/run");
    QDir().mkpath(directory);
    QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return directory;
}

QString Paths::controlSocketFile()
{
    return runtimeDirectory() + QStringLiteral("/control");
}

namespace {

// The path with the symbolic links of its existing part resolved; the rest appended as written.
// Empty when a dangling link is part of it.
QString resolved(const QString& path)
{
    QString existing = QDir::cleanPath(QDir(path).absolutePath());
    QStringList rest;
    while (!QFileInfo::exists(existing)) {
        // A link whose target does not exist yet would be followed by whoever writes through it:
        // where it leads cannot be known, so it resolves to nothing.
        if (QFileInfo(existing).isSymLink())
            return QString();
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return QDir::cleanPath(path);
        rest.prepend(existing.mid(slash + 1));
        existing.truncate(slash);
    }
    QString result = QFileInfo(existing).canonicalFilePath();
    for (const QString& part : rest)
        result += QLatin1Char('/') + part;
    return result;
}

}  // namespace

std::optional<QString> Paths::resolvedInside(const QString& directory, const QString& path)
{
    if (directory.isEmpty() || path.isEmpty())
        return std::nullopt;
    const QString root = resolved(directory);
    const QString candidate = resolved(path);
    if (!candidate.startsWith(root + QLatin1Char('/')))
        return std::nullopt;
    return candidate;
}

const QStringList& Paths::homePageResources()
{
    static const QStringList names = {QStringLiteral("homeWebPage.html"), QStringLiteral("jquery1.js"),
                                      QStringLiteral("jquery.mobile-1.4.5.min.js"), QStringLiteral("korvelglobe.png"),
                                      QStringLiteral("categories.png"), QStringLiteral("blue_slim42x42-1.png")};
    return names;
}

QString Paths::resourcesDirectory()
{
    const QString configured = qEnvironmentVariable("KORVEL_RESOURCES");
    if (!configured.isEmpty())
        return configured;
    const QString bin = QCoreApplication::applicationDirPath();
    for (const QString& candidate : {bin + QStringLiteral("/../resources"), bin + QStringLiteral("/../share/korvel/resources")}) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return QDir::cleanPath(bin + QStringLiteral("/../resources"));
}

QString Paths::resourceFile(const QString& name)
{
    return resourcesDirectory() + QLatin1Char('/') + name;
}

QString Paths::managedConfigurationFile()
{
    const QString& configured = settings().managedConfiguration;
    return configured.isEmpty() ? QStringLiteral("/etc/korvel/managed.plist") : configured;
}

void Paths::setManagedConfigurationFile(const QString& path)
{
    settings().managedConfiguration = path;
}

QString Paths::trustedKeysDirectory()
{
    const QString& configured = settings().trustedKeys;
    return configured.isEmpty() ? QStringLiteral("/etc/korvel/trusted-keys.d") : configured;
}

void Paths::setTrustedKeysDirectory(const QString& path)
{
    settings().trustedKeys = path;
}

QString Paths::settingsHistoryDirectory()
{
    return configDirectory() + QStringLiteral("/settings-history");
}

Paths::WrittenFolders Paths::writtenFolders()
{
    return {{configDirectory(), dataDirectory(), settingsHistoryDirectory()},
            {documentsDirectory(), cachesDirectory() + QStringLiteral("/downloads"), cachesDirectory() + QStringLiteral("/mail")}};
}

}  // namespace korvel
