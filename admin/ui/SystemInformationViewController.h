#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

class TableView;

// What an administrator needs to look after the device, in place of a platform settings page:
// where Korvel keeps its files, the managed configuration it watches, the upload server's address
// and the versions of Korvel, Qt and the web engine.
class SystemInformationViewController final : public Screen {
    Q_OBJECT
public:
    explicit SystemInformationViewController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    void viewWillAppear(bool animated) override;

private:
    TableView* m_table = nullptr;
};

}  // namespace korvel
