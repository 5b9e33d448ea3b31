#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// Where Korvel keeps its files. With a home directory (--home DIR or KORVEL_HOME) everything lives
// under it; without one the XDG data, config and cache directories are used.
class Paths {
public:
    // Takes "--home DIR" / "--home=DIR" from the arguments, else KORVEL_HOME, else the XDG default.
    // Returns false (and leaves the setting alone) when --home is given without a directory.
    static bool configureFromArguments(const QStringList& arguments);

    // Sets the home directory; an empty text goes back to the XDG directories.
    static void setHome(const QString& directory);
    static QString home();

    // The documents directory (created on first use): uploads, downloads, home-page copies.
    static QString documentsDirectory();
    static QString cachesDirectory();
    // The application domain of the defaults store.
    static QString defaultsFile();
    static QString keychainFile();
    // The device's vendor identifier, generated once.
    static QString vendorIdentifierFile();
    // The lock that makes one process the writer of the home's settings: Korvel holds it while it
    // runs, korvelctl while it writes without one.
    static QString lockFile();
    // Sockets and other things that live only while Korvel runs, reachable by its user alone
    // (mode 0700, made on first use): "run" in the home (else in the configuration directory).
    static QString runtimeDirectory();
    // The control socket of the Korvel running on this home.
    static QString controlSocketFile();

    // `path` with every symbolic link resolved, when it then lies strictly inside `directory` (also
    // resolved); nullopt when it lies outside, is the directory itself, or either is empty. Parts of
    // `path` that do not exist yet are taken as written, so a file about to be made can be checked.
    // A symbolic link whose target does not exist counts as outside. Every path that arrives from
    // outside is checked with this before it is trusted.
    static std::optional<QString> resolvedInside(const QString& directory, const QString& path);

    // The program's own files (pages, scripts, images, data): $KORVEL_RESOURCES, else resources/
    // beside the executable's directory (build/resources, or share/korvel/resources when installed).
    static QString resourcesDirectory();
    static QString resourceFile(const QString& name);
    // The resources copied into the documents directory at every launch for the local home page:
    // the program's own files there, which the file lists never show.
    static const QStringList& homePageResources();

    // The read-only managed configuration; /etc/korvel/managed.plist unless overridden here or by
    // KORVEL_MANAGED_CONFIG.
    static QString managedConfigurationFile();
    static void setManagedConfigurationFile(const QString& path);
    // The folder of the public keys whose signatures this kiosk trusts (root's to fill);
    // /etc/korvel/trusted-keys.d unless overridden here or by KORVEL_TRUSTED_KEYS_DIR.
    static QString trustedKeysDirectory();
    static void setTrustedKeysDirectory(const QString& path);
    // The settings applied last, kept for a rollback: "settings-history" beside the defaults file.
    static QString settingsHistoryDirectory();
    // Where Korvel's own files are written, for sweeping what an interrupted write left: folders
    // to look into alone, and folders to walk with their subfolders. The engine's folders are
    // not among them: they are many files and none of them ours.
    struct WrittenFolders {
        QStringList alone;
        QStringList withSubfolders;
    };
    static WrittenFolders writtenFolders();

private:
    static QString configDirectory();
    static QString dataDirectory();
};

}  // namespace korvel
