#pragma once

#include "log/LogViewOptions.h"
#include "platform/ui/Screen.h"

#include <QPointer>

namespace korvel {

class KVLogViewController;
class TableView;

// The log's view options: order and the categories to list. "Apply" hands them to the log list,
// which reads the log again; "Cancel" leaves everything as it was.
class KVLogOptionsViewController final : public Screen {
    Q_OBJECT
public:
    KVLogOptionsViewController(KVLogViewController* list, const LogViewOptions& options, QWidget* parent = nullptr);

    const LogViewOptions& options() const { return m_options; }
    TableView* tableView() const { return m_table; }

    // A tap on the option at `index` (row + 2 x section).
    void tapOption(int index);
    void loadSelectionQuery();
    void cancel();

    void viewDidLoad() override;

private:
    void showOptions();

    QPointer<KVLogViewController> m_list;
    LogViewOptions m_options;
    TableView* m_table = nullptr;
};

}  // namespace korvel
