#pragma once

#include "admin/MenuEntries.h"
#include "platform/ui/Screen.h"

namespace korvel {

class TableView;

// Finds a setting by its title or subtitle across the settings screens and opens its screen at
// its row.
class KVSearchSettingsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVSearchSettingsViewController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    // The entries listed for `text`, as the list shows them.
    void search(const QString& text);
    const QList<menuParams>& shown() const { return m_shown; }
    // Opens the screen of the entry shown at `row`.
    void openEntry(int row);
    // The reader's settings screen, with the search button the other settings screens have.
    static Screen* pdfViewerSettings();
    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    QList<menuParams> m_shown;
    TableView* m_table = nullptr;
};

}  // namespace korvel
