#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace korvel {

// Where a file of the documents directory came from.
enum class DocumentOrigin {
    Unknown,            // no record, a record of an earlier version of the file, or an unreadable store
    Device,             // written by the kiosk for the administrator at the device (exports, log copies)
    Korvelctl,          // placed or written by korvelctl
    SettingsDocument,   // a file carried by a settings document the administrator imported
    UploadWithCode,     // uploaded with the access code
    UploadWithoutCode,  // uploaded without it (no code set, or none needed for that file)
    Download,           // a visitor's download
    Printout,           // a visitor's printout
};

// The records of where each file in Documents came from, kept outside Documents (beside the settings
// store, so nothing that writes into Documents can reach them). A record is bound to the file as it
// was when recorded (device, inode, size, modification and change times): a file replaced or changed
// afterwards by anything that did not record it reads as Unknown. Writers record after their file is
// in place, so a kill between the two leaves an Unknown file, never a trusted one; an unreadable store
// reads as Unknown throughout. Safe from any thread and from several processes (korvelctl writes while
// the kiosk runs): every change holds a lock file and goes through the checked atomic writer.
class DocumentOrigins {
public:
    DocumentOrigins(QString documentsDirectory, QString storeFile);
    // The store of the current home, and its file.
    static DocumentOrigins forHome();
    static QString homeStoreFile();

    // Records that the file at `path` (inside Documents) came from `origin`; records of files that
    // are gone are dropped on the way. False, with the reason in `error`, when the file is not a file
    // inside Documents or the store could not be written; the file then reads as Unknown.
    bool record(const QString& path, DocumentOrigin origin, QString* error = nullptr) const;
    // record() in the current home; the reason of a failure, or an empty text.
    static QString recordInHome(const QString& path, DocumentOrigin origin);
    // Where the file at `path` came from (Unknown for a file outside Documents); `fingerprint`
    // receives the identity of the version that was looked at.
    DocumentOrigin originOf(const QString& path, QString* fingerprint = nullptr) const;

    // Whether the file at `path` is still the version whose origin was found with `fingerprint`
    // (from originOf). A reader checks before and after reading: a file replaced or changed in
    // between gets a new fingerprint, so what was read is the version that was checked.
    bool unchanged(const QString& path, const QString& fingerprint) const;

    // Placed by the administrator, by a document they imported, or uploaded with the access code.
    static bool trustedForImport(DocumentOrigin origin);
    // "placed with korvelctl", "uploaded without the access code", ...
    static QString describe(DocumentOrigin origin);

    // Who "the administrator" is in this process: Device in the kiosk, Korvelctl in korvelctl and
    // while the kiosk performs korvelctl's commands.
    static DocumentOrigin administrator();
    static void setAdministrator(DocumentOrigin origin);
    class AdministratorScope {
    public:
        explicit AdministratorScope(DocumentOrigin origin);
        ~AdministratorScope();
        AdministratorScope(const AdministratorScope&) = delete;
        AdministratorScope& operator=(const AdministratorScope&) = delete;

    private:
        std::optional<DocumentOrigin> m_previous;
    };

private:
    std::optional<QString> key(const QString& path) const;

    QString m_documents;
    QString m_store;
};

}  // namespace korvel
