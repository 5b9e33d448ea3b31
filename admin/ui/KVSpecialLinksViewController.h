#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// Whether phone numbers and print links in pages act; written back and saved when the screen goes.
class KVSpecialLinksViewController final : public Screen {
    Q_OBJECT
public:
    explicit KVSpecialLinksViewController(QWidget* parent = nullptr);
    TableView* tableView() const { return m_table; }
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
