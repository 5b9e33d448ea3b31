#pragma once

#include "platform/ui/Screen.h"
#include "policy/AdvancedSettingsEditing.h"

namespace korvel {

class Alert;
class TableView;

// "Allow All Websites", keyword content blocking, what pages may load: the preferences placed on
// this screen, written back when the screen goes.
class KVAdvancedSettingsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVAdvancedSettingsViewController(QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    const KVBrowserPrefSettings& input() const { return m_input; }

    // The back button: content blocking without a keyword keeps the administrator here with an
    // alert, which is returned; otherwise goes back.
    Alert* goBack();
    // The search button: the same keyword check as Back, then the settings search.
    Alert* openSearch();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    KVBrowserPrefSettings m_input;
    TableView* m_table = nullptr;
};

}  // namespace korvel
