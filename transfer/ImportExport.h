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
    static bool applySettingsDocument(const QVariantMap& document, bool isFromAutoImport,
                                      FilesInDocument files = FilesInDocument::Restore, const Record& record = {},
                                      QString* reason = nullptr);
    // The managed configuration's import: every list, the preferences and the automatic-import
    // record become the document's, its password and files with them, whole or not at all.
    static bool replaceSettings(const QVariantMap& document, QString* reason = nullptr);
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
    static TransferResult exportToFile(const QString& typedName);

    // Writes "Korvel_PellmorConfig.txt" (the Pellmor text form) to Documents. `written` tells
    // whether the file is there; the alert is empty when it is not.
    struct PellmorResult {
        bool written = false;
        QString path;
        TransferAlert alert;
    };
    static PellmorResult exportForPellmor();
    // The two answers of the Pellmor alert, logged.
    static void pellmorShareChosen();
    static void pellmorOKChosen();

    // Applies the document in the Documents file named as typed (not trimmed). A missing file, a
    // name outside Documents, a file not placed by the administrator nor uploaded with the access
    // code (DocumentOrigins::trustedForImport), or a file that is not a settings document changes
    // nothing.
    static TransferResult importFromFile(const QString& typedName);
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
