#pragma once

#include "platform/ui/Screen.h"
#include "transfer/CloudTransfer.h"

#include <QString>

#include <functional>

namespace korvel {

class CloudExchange;
class TableView;

// The cloud-ID screen: an ID field, the main action of its mode, and the history of the IDs used
// on this device (a tapped row puts its ID into the field). Export mode stores the settings under
// the typed ID, import mode applies the document of the typed ID, automatic-import mode makes the
// typed ID the one the automatic import polls.
class KVImportExportCloudViewController final : public Screen {
    Q_OBJECT
public:
    enum class Mode { Export, Import, AutoImport };
    // Row identities, for selection and tests; history rows follow from FirstHistoryRow.
    enum Row { CloudIDField, MainAction, ScanQRCode, ShowQRCode, ClearHistory, FirstHistoryRow = 100 };

    explicit KVImportExportCloudViewController(Mode mode, QWidget* parent = nullptr);
    ~KVImportExportCloudViewController() override;

    Mode mode() const { return m_mode; }
    // The text of the ID field; set by the QR scanner too.
    QString cloudID() const { return m_cloudID; }
    void setCloudID(const QString& cloudID);

    void viewDidLoad() override;
    TableView* tableView() const { return m_table; }
    CloudExchange* exchange() const { return m_exchange; }

    // The mode's action on the typed ID (after the 10-character check).
    void mainAction();
    // Empties the history and shows the empty list.
    void clearHistory();
    // Rebuilds the list from the history.
    void reloadList();

    // "Scan QR Code" opens the scanner, whose ID fills the field; "Show ID as QR Code" shows the
    // field's ID as a QR code.
    void scanQRCode();

private:
    void didSelectRow(int id);
    void exported(const QString& typedID, const QString& message, bool success);
    void imported(const CloudTransfer::Outcome& outcome);

    Mode m_mode;
    QString m_cloudID;
    TableView* m_table = nullptr;
    CloudExchange* m_exchange = nullptr;
    QStringList m_historyIDs;
};

}  // namespace korvel
