#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// The reader's three switches: the reader itself, downloads from it and printing from it. Shown
// from the preference record on every appearance, written back and saved when the screen goes.
class KVPDFViewerSettingsViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVPDFViewerSettingsViewController(QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
