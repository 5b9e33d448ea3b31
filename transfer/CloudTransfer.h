#pragma once

#include "log/CloudIDHistoryRow.h"

#include <QList>
#include <QString>

namespace korvel {

// What follows a cloud exchange, shared by the cloud screens and korvelctl: the alert that
// reports it, the history row and the log line of a success, and the history list as shown.
// Main thread only.
class CloudTransfer {
public:
    // A cloud ID, typed or issued by the service, is 10 to 64 letters, digits, "-" and "_";
    // anything else is refused (typed: with invalidIDText) and never recorded.
    static constexpr qsizetype minimumIDLength = 10;
    static constexpr qsizetype maximumIDLength = 64;
    static constexpr const char* invalidIDText = "Invalid ID";

    static bool isValidID(const QString& text);

    struct Outcome {
        bool ok = false;
        QString title;
        QString message;
    };
    // A new ID was asked for (export screen or the menu's QR row): "New Cloud ID" or "Export
    // Failed"; a success records (issuedID, exported). An issued ID that is not a valid one makes
    // the export a failure, recorded nowhere.
    static Outcome newIDExported(const QString& issuedID, const QString& message, bool success);
    // An export to a typed ID: "Export Settings" or "Export Failed"; a success records the ID and
    // logs "Export Successful to Cloud".
    static Outcome exportedToID(const QString& typedID, const QString& message, bool success);
    // An import: "Import Settings" or "Import Failed"; a success records (typedID, imported) and
    // logs "Import Successful from Cloud".
    static Outcome importedFromID(const QString& typedID, const QString& message, bool success);
    // "Copy ID" of the new-ID alert: the caller puts the ID on the clipboard; this logs it.
    static void newIDCopied();

    // Empties the history and logs it; false when the history could not be written.
    static bool clearHistory();

    // The automatic import's ID (in the automatic-import record), saved; false when the
    // settings could not be saved. The caller shows savedForAutoImportText.
    static bool saveAutoImportID(const QString& cloudID);
    static constexpr const char* savedForAutoImportText = "Cloud Id saved for AutoImport";

    // One row of the history list.
    struct HistoryItem {
        QString cloudID;
        QString title;   // "ID: %@"
        QString detail;  // "Exported on: %@ at %@" and the like
        QString icon;    // "export_cloud.png", "import_cloud.png", "auto_import_cloud.png"
    };
    static HistoryItem historyItem(const CloudIDHistoryRow& row);
    // The stored history, newest first.
    static QList<HistoryItem> historyItems();
    // "  History", or "  No History" when the list is empty.
    static QString historyHeader(bool empty);
};

}  // namespace korvel
