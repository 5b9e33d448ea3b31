#pragma once

#include "platform/ui/Screen.h"
#include "policy/AdvancedSettingsEditing.h"

namespace korvel {

class Alert;
class TableView;

// "Allow All Websites" and keyword content blocking, written back when the screen goes.
class KVAdvancedSettingsViewController final : public Screen {
    Q_OBJECT
public:
    enum Row { AllowAllRow, ContentBlockingRow, KeywordsRow, StrictLoadingRow, AlsoAllowedRow, LearnLoadingRow };

    explicit KVAdvancedSettingsViewController(QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    const AdvancedSettingsInput& input() const { return m_input; }

    // The back button: content blocking without a keyword keeps the administrator here with an
    // alert, which is returned; otherwise goes back.
    Alert* goBack();
    // The search button: the same keyword check as Back, then the settings search.
    Alert* openSearch();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    AdvancedSettingsInput m_input;
    TableView* m_table = nullptr;
};

}  // namespace korvel
