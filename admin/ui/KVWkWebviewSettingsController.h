#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// Tabbed browsing: on or off, and how many tabs at most. A refused count is reset to the largest
// with a toast; the choice is written back and saved when the screen goes.
class KVWkWebviewSettingsController final : public Screen {
    Q_OBJECT
public:
    // The rows' ids, as the schema places them (section * 100 + row).
    enum Row { MultiTabRow = 0, CountRow = 1 };

    explicit KVWkWebviewSettingsController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    // The count's text ended; returns whether it was accepted.
    bool countEnded();
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
