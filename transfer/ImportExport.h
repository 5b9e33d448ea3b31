#pragma once

#include <QString>
#include <QVariantMap>

namespace korvel {

class UploadServerControl;

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

    // Puts a settings document into effect, all or nothing: the embedded files are first written to
    // temporary files, then the defaults are written, and only then are the password set and the
    // files renamed into place. Returns false, with nothing changed, when the document is unfit
    // (see Utils::settingsDocumentError), a file could not be written or the defaults could not be
    // saved. "AutoImport" is never taken from a document.
    static bool applySettingsDocument(const QVariantMap& document, bool isFromAutoImport,
                                      FilesInDocument files = FilesInDocument::Restore);
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
    // name outside Documents or a file that is not a settings document changes nothing.
    static TransferResult importFromFile(const QString& typedName);

    // The reset question's text, and the warning logged when it is shown.
    static TransferAlert resetQuestion();
    static void resetQuestionShown();
    // Back to factory settings: the lists, preferences, user agent, automatic import and managed
    // copy go, the password is 9246 again, the upload server stops. The download history, the
    // managed-configuration checksum and Documents stay.
    static TransferResult resetToDefaults();
};

}  // namespace korvel
