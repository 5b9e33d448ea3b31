#pragma once

#include "platform/ui/Screen.h"

#include <QStringList>

namespace korvel {

class TableView;

// The user agent pages are asked with: the welcome screen's list with a check mark on the one in
// use. "Set" stores the checked one, "Cancel" leaves it.
class KVUserAgentsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVUserAgentsViewController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    const QStringList& userAgents() const { return m_agents; }
    int checkedRow() const { return m_checked; }
    void selectRow(int row);
    void set();
    void cancel();
    void viewDidLoad() override;

private:
    QStringList m_agents;
    int m_checked = 0;
    TableView* m_table = nullptr;
};

}  // namespace korvel
