#pragma once

#include "admin/ui/PreferencesScreen.h"

namespace korvel {

// The reader's three switches: the reader itself, downloads from it and printing from it.
class KVPDFViewerSettingsViewController final : public PreferencesScreen {
    Q_OBJECT
public:
    explicit KVPDFViewerSettingsViewController(QWidget* parent = nullptr);

private:
    void saved(const KVBrowserPrefSettings& p) override;
};

}  // namespace korvel
