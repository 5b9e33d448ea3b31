#pragma once

#include "platform/ui/Screen.h"
#include "transfer/CloudTransfer.h"

#include <QString>

namespace korvel {

class CloudExchange;
class TableView;

// "Import from Cloud" of a device that has nothing configured yet: an ID field and an import
// button. After a successful import the stack returns to its root, whose welcome screen then
// hands over to the home screen.
class WelcomeCloudImportScreen final : public Screen {
    Q_OBJECT
public:
    enum Row { CloudIDField, ImportButton };

    explicit WelcomeCloudImportScreen(QWidget* parent = nullptr);
    ~WelcomeCloudImportScreen() override;

    QString cloudID() const { return m_cloudID; }
    // Fills the field (an ID read from a QR code).
    void setCloudID(const QString& cloudID);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    TableView* tableView() const { return m_table; }
    CloudExchange* exchange() const { return m_exchange; }

    // The import of the typed ID (after the 10-character check).
    void importAction();

private:
    void imported(const CloudTransfer::Outcome& outcome);

    QString m_cloudID;
    TableView* m_table = nullptr;
    CloudExchange* m_exchange = nullptr;
};

}  // namespace korvel
