#pragma once

#include "admin/MenuEntries.h"
#include "platform/ui/Screen.h"

#include <QList>


namespace korvel {

class Alert;
class TableView;

// The root of the administration area: lists the settings areas, opens the chosen one, and on
// "Done" puts the kiosk back into its running state.
class KVMainMenuViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVMainMenuViewController(QWidget* parent = nullptr);
    ~KVMainMenuViewController() override;

    // The one live menu; nullptr while the settings are closed.
    static KVMainMenuViewController* getObject();

    // Rebuilds the rows from the current preferences.
    void loadMenuData();
    const QList<menuParams>& tableData() const { return m_tableData; }
    TableView* tableView() const { return m_table; }

    // Opens the area of `menuId`; unknown ids do nothing.
    void didSelectMenuId(int menuId);
    // "Done": resume the kiosk and go back to the root of the stack.
    void handleBack();
    void handleSearchSettings();
    // Asks for a new password twice and stores it through the password store.
    Alert* showChangePassword();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    QList<menuParams> m_tableData;
    TableView* m_table = nullptr;
};

}  // namespace korvel
