#include "admin/ui/KVSpecialLinksViewController.h"

#include "admin/SettingsSearch.h"

namespace korvel {

KVSpecialLinksViewController::KVSpecialLinksViewController(QWidget* parent)
    : PreferencesScreen(KVBrowserPrefSettings::Screens::specialLinks, SettingsSearch::screenTitle(SettingsSearch::specialLinks()), parent)
{
    setObjectName(QStringLiteral("specialLinks"));
}

}  // namespace korvel
