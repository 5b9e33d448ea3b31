#pragma once

#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// A settings screen that is nothing but the preferences shown on one place of the schema: shown
// from the preference record on every appearance, written back and saved when the screen goes.
class PreferencesScreen : public Screen {
    Q_OBJECT
public:
    TableView* tableView() const { return m_table; }

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

protected:
    // `shownOn` names the place (KVBrowserPrefSettings::Screens).
    PreferencesScreen(const char* shownOn, const QString& title, QWidget* parent);
    // After the values were saved, with the stored record.
    virtual void saved(const KVBrowserPrefSettings&) {}

private:
    const char* m_shownOn;
    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
