#pragma once

#include "platform/ui/Screen.h"
#include "transfer/KVAutoImport.h"

#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>
#include <optional>

namespace korvel {

class Alert;
class CloudExchange;
class TableView;
class URLImport;
class WaitingAlertView;

// "Import/Export Settings": the whole configuration out to a file of Documents (plain or for
// Pellmor), in from a file or an address, and back to the factory settings.
class KVImportExportViewController final : public Screen {
    Q_OBJECT
public:
    enum Row { ExportToFile, ExportToCloud, ExportToCloudWithQRCode, ExportForPellmor, ImportFromFile, ImportFromCloud,
               ImportFromURL, ResetSettings, AutoImportSwitch, AutoImportFrom, AutoImportPath, AutoImportCloudID,
               AutoImportPeriod };

    explicit KVImportExportViewController(QWidget* parent = nullptr);
    ~KVImportExportViewController() override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    // The automatic-import section is stored whenever the screen goes.
    void viewWillDisappear(bool animated) override;
    TableView* tableView() const { return m_table; }
    void didSelectRow(Row row);

    // The prompts and questions, shown over the screen; each returns the alert it showed.
    Alert* exportToFilePrompt();
    void exportForPellmor();
    Alert* importFromFilePrompt();
    Alert* importFromURLPrompt();
    Alert* resetPrompt();
    // The application left the foreground: every open alert of the screen closes, and a running
    // import from an address is cancelled.
    void homeButtonPressed5();

    // "Export Settings to Cloud and Generate QR Code": a new cloud ID, then its QR code's screen.
    void exportWithQRCode();
    CloudExchange* cloudExchange() const { return m_cloud; }
    // The in-kiosk sheet that offers a file of Documents: where it is, and its address on the upload
    // server while that runs. Titled `title`, or the file's name.
    static Alert* shareSheet(const QString& path, const QString& title = {});

    // "NAME: uploaded with the access code." (or "... It will not be imported."), for the Documents
    // file named as typed; empty when there is no such file.
    static QString originText(const QString& typedName);

    // The automatic-import section as shown, edits included.
    const KVAutoImport::Section& autoImportSection() const { return m_section; }

    WaitingAlertView* waitingView() const { return m_waiting; }

private:
    void loadAutoImportSection();
    void reloadTable();
    void reloadTableLater();
    void showResult(const QString& title, const QString& message);
    void shareFile(const QString& path);
    Alert* track(Alert* alert);

    TableView* m_table = nullptr;
    WaitingAlertView* m_waiting = nullptr;
    QPointer<URLImport> m_import;
    QList<QPointer<Alert>> m_alerts;
    KVAutoImport::Section m_section;
    CloudExchange* m_cloud = nullptr;
};

}  // namespace korvel
