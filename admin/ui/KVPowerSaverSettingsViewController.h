#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// "Power Saver Mode": dim on every idle timeout, or only inside a weekly window (start, end and
// days). The two ways exclude each other. Stored when the screen is left; leaving also ends a
// dimmed screen, so the administrator sees the result at once.
class KVPowerSaverSettingsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVPowerSaverSettingsViewController(QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    TableView* tableView() const { return m_table; }

private:
    void reload();

    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
