#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

class CloudExchange;
class TableView;

// "Export to Cloud": the settings to a new cloud ID (which the service issues and an alert shows,
// with a button that copies it), or to an existing ID on the cloud-ID screen.
class KVExportCloudIDViewController final : public Screen {
    Q_OBJECT
public:
    enum Row { ExportToNewID, ExportToExistingID };

    explicit KVExportCloudIDViewController(QWidget* parent = nullptr);
    ~KVExportCloudIDViewController() override;

    void viewDidLoad() override;
    void didSelectRow(Row row);
    TableView* tableView() const { return m_table; }
    CloudExchange* exchange() const { return m_exchange; }

private:
    void cloudReq(const QString& message, bool success);

    TableView* m_table = nullptr;
    CloudExchange* m_exchange = nullptr;
};

}  // namespace korvel
