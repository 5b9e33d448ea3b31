#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// "Motion Detection Settings": the switch of the motion lock (stored when the screen is left) and
// the sensitivity, chosen on its own screen.
class KVMotionDetectionSettingsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVMotionDetectionSettingsViewController(QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    TableView* tableView() const { return m_table; }
    // Opens the sensitivity choice unless it is already on top.
    void openSensitivity();

private:
    void reload();

    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

// "Sensitivity": walking, running or automotive, one checked. Leaving stores the checked row as
// "MotionType" and saves.
class KVMotionSensitivityViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVMotionSensitivityViewController(QWidget* parent = nullptr);

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    TableView* tableView() const { return m_table; }

private:
    TableView* m_table = nullptr;
    int m_checked = 0;
};

}  // namespace korvel
