#pragma once

#include "platform/DocumentOrigins.h"

#include <QByteArray>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

namespace korvel {

class UploadServerControl;
struct KVAutoImportSettings;
struct SettingsHistoryEntry;

// An alert to show: the title is "Korvel" where the alert has one, empty otherwise.
struct TransferAlert {
    QString title;
    QString message;
};

// Whether an import writes the files a document carries into Documents.
enum class FilesInDocument { Restore, Leave };

struct TransferResult {
    bool ok = false;
    TransferAlert alert;
};

// Where a settings document comes from.
struct DocumentSource {
    enum class Kind {
        ScreenFile,  // "Import from File" on the import screen: the administrator at the device
        Command,     // a file of Documents named in the command set (korvelctl, a remote API)
        URL,         // an address: the screen's "Import from URL" or the command set
        Cloud,       // a cloud ID: the cloud screens or the command set
        Automatic,   // the automatic import, from any of its sources
        Managed,     // the managed configuration
    };
    Kind kind = Kind::ScreenFile;
    QString detail;  // the file name, address or cloud ID

    // "file Korvel.plist", "automatic import (URL https://...)" ..., for the log and the history.
    QString describe() const;
    // Whether it must be signed once keys are trusted: everything but the administrator at the
    // device.
    bool isFromOutside() const;
    // Whether the start website is watched after it: the imports nobody watches as they land.
    bool isWatched() const;
};

// What became of an import.
struct ImportOutcome {
    bool applied = false;
    bool refused = false;  // for its signature (none, bad or untrusted while keys are trusted), or withdrawn
    QString reason;        // why nothing changed

    explicit operator bool() const { return applied; }
};

// An import that was put into effect, as those that follow the settings hear of it.
struct AppliedImport {
    DocumentSource source;
    QString document;           // DocumentSignature::fingerprint of the document
    QString settings;           // SettingsFingerprint of the settings now in force
    qint64 previousEntry = 0;   // the settings-history entry of the settings it replaced
};

// What an import would do, without doing it (korvelctl's dry run and "managed check").
struct ImportPreview {
    bool fit = false;        // false: the document would be refused as unfit (see `problem`)
    bool refused = false;    // by its signature, or withdrawn by a rollback
    QString problem;         // why it would change nothing
    QString signature;       // DocumentSignature::Check::text()
    QString document;        // the document's fingerprint
    QStringList changes;     // every difference, one line each
    QStringList notImported; // keys left out, not part of the settings
    // Whether the settings or the password would change; the download history, which is the
    // device's record rather than a setting, does not count.
    bool settingsDiffer = false;
};

// The import and export operations of the settings: the file export, the Pellmor export, the file
// import, the reset, and the merge that every import uses. Every text the screen or korvelctl shows
// comes back in the results; both call these same functions. Main thread only.
class ImportExport {
public:
    // The server that post-import steps and the reset stop and restart; not owned. nullptr: none.
    static void setServerControl(UploadServerControl* control);
    // The installed server; nullptr where none is (korvelctl).
    static UploadServerControl* serverControl();

    // How a document is taken: merged into the stored settings (file, URL, cloud and automatic
    // imports), or replacing every list and the preferences (the managed configuration).
    enum class Mode { Merge, Replace };
    // A change of the automatic-import record made in the same step as the import (the name or
    // address used, the fingerprint of what was applied).
    using Record = std::function<void(KVAutoImportSettings&)>;

    // Puts a settings document into effect, whole or not at all: the document is checked, its
    // lists normalised, and its keys outside the schema (the lists, the preferences' own keys,
    // "hasDragged", "UserAgent") left out and logged; the embedded files, the password and the new
    // store are then written beside their targets and put in place together. Returns false, with
    // nothing changed and the reason in `reason` (and the log), when the document is unfit, a file
    // could not be written, the password store is damaged or the store could not be saved.
    // "AutoImport" is never taken from a document.
    // A document from outside (see DocumentSource) is refused, with nothing changed and a log
    // line, when keys are trusted and it is not signed by one of them. What is put into effect is
    // kept in the settings history (with the settings it replaced, when the history does not hold
    // them yet) and announced to the import observer.
    static ImportOutcome applySettingsDocument(const QVariantMap& document, const DocumentSource& source, bool isFromAutoImport,
                                               FilesInDocument files = FilesInDocument::Restore, const Record& record = {});
    // The managed configuration's import: every list, the preferences and the automatic-import
    // record become the document's, its password and files with them, whole or not at all.
    static ImportOutcome replaceSettings(const QVariantMap& document, const DocumentSource& source);
    // What applySettingsDocument (Mode::Merge) or replaceSettings (Mode::Replace) would do with
    // `document` now; nothing is written.
    static ImportPreview preview(const QVariantMap& document, const DocumentSource& source, Mode mode, bool isFromAutoImport = false,
                                 FilesInDocument files = FilesInDocument::Restore);
    // Puts the settings of history entry `sequence` back (lists, preferences, automatic import and
    // password; the device's own bookkeeping stays), as one step, and keeps the documents of the
    // entries after it from being applied again by the automatic import or the managed
    // configuration. `why` goes to the history and the log.
    static ImportOutcome rollBack(qint64 sequence, const QString& why);
    // Whether history entry `entry` holds the settings and password in force (a save may have
    // written them in another form since, which does not count).
    static bool holdsSettingsInForce(const SettingsHistoryEntry& entry);
    // Hears of every import put into effect (the kiosk watches its start website after some);
    // empty: nobody.
    static void setImportObserver(std::function<void(const AppliedImport&)> observer);
    // A document file of Documents written through the one checked atomic writer, recorded as
    // written by the administrator.
    static bool writeDocumentFile(const QString& path, const QByteArray& bytes, QString* error);
    // Records where a file of Documents came from; a failure is logged under `logCategory` (the
    // file then reads as of unknown origin and is not imported).
    static void recordOrigin(const QString& path, DocumentOrigin origin, const QString& logCategory);
    // After an import: a port outside 1024-65535 becomes 8080 (and is saved); the upload server is
    // stopped when switched off, restarted on the port when switched on and running. Logged under
    // `logCategory`.
    static void postImportSteps(const QString& logCategory);

    // Writes the settings document to Documents under the typed name (trimmed; it must end in
    // ".plist" and stay inside Documents) and remembers the name. Refusals come back in the alert.
    // The document carries the password's hash ("PasswordHash"); with `clearPassword` (which must
    // be the stored password) it carries "Password" in Base64 instead, for a peer that needs it.
    static TransferResult exportToFile(const QString& typedName, const std::optional<QString>& clearPassword = std::nullopt);

    // Writes "Korvel_PellmorConfig.txt" (the Pellmor text form) to Documents. `written` tells
    // whether the file is there; the alert is empty when it is not.
    struct PellmorResult {
        bool written = false;
        QString path;
        TransferAlert alert;
    };
    static PellmorResult exportForPellmor();

    // Applies the document in the Documents file named as typed (not trimmed). A missing file, a
    // name outside Documents, a file not placed by the administrator nor uploaded with the access
    // code (DocumentOrigins::trustedForImport), or a file that is not a settings document changes
    // nothing. `kind` is ScreenFile for the administrator at the device and Command for the command
    // set.
    static TransferResult importFromFile(const QString& typedName, DocumentSource::Kind kind = DocumentSource::Kind::ScreenFile);
    // The document in that file, read as importFromFile reads it; nullopt with the alert's text.
    static std::optional<QVariantMap> readDocumentFile(const QString& typedName, QString* refusal);
    // The origin of the Documents file named as typed; nothing when there is no such file or the
    // name is refused.
    static std::optional<DocumentOrigin> documentOrigin(const QString& typedName);
    // Why a file of `origin` is not imported: "NAME was uploaded without the access code; only ...".
    static QString untrustedText(const QString& name, DocumentOrigin origin);

    // The reset question's text, and the warning logged when it is shown.
    static TransferAlert resetQuestion();
    static void resetQuestionShown();
    // Back to factory settings: the lists, preferences, user agent, automatic import and managed
    // copy go, the password is 9246 again, the upload server stops. The download history, the
    // managed-configuration checksum and Documents stay.
    static TransferResult resetToDefaults();
};

}  // namespace korvel
