#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

class TableView;

// One of the policy lists of the settings menu: the allowed websites, the categories or the
// blocked websites. A search field narrows the list, "Add" and a tap on a row open the editor; the
// list is read again whenever it appears, so an editor's save shows at once.
class KVPolicyListViewController final : public Screen {
    Q_OBJECT
public:
    enum class Kind { AllowedWebsites, Categories, BlockedWebsites };

    explicit KVPolicyListViewController(Kind kind, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    TableView* tableView() const { return m_table; }

    // Opens the editor for the record at `index`; a new record without one.
    void openEditor(qsizetype index = -1);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void showRecords();

    Kind m_kind;
    TableView* m_table = nullptr;
};

}  // namespace korvel
