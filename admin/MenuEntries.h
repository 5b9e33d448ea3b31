#pragma once

#include <QList>
#include <QString>

namespace korvel {

struct KVBrowserPrefSettings;

// Identities of the settings menu's rows; selection is dispatched on these, never on the row index.
enum MenuId : int {
    AllowedWebsitesMenu = 1,
    BlockedWebsitesMenu = 2,
    BrowserPreferencesMenu = 3,
    AdvancedSettingsMenu = 4,
    ImportExportMenu = 5,
    ViewLogMenu = 6,
    AboutMenu = 7,
    ManageCategoriesMenu = 8,
    SystemSettingsMenu = 9,
    OpenSourceLicensesMenu = 10,
    ChangePasswordMenu = 11,
    CheckLockdownMenu = 12,
};

// Whether the administrator password is still the factory one, which the menu warns about.
enum class FactoryPassword { InUse, Changed };

struct menuParams {
    QString menuMainText;
    QString menuSubText;
    QString menuImage;
    int menuId = 0;

    bool operator==(const menuParams&) const = default;
};

// The rows of the settings menu for `preferences`, in display order. "Blocked Websites" is there
// only while every website is allowed (otherwise nothing is blocked explicitly). While the factory
// password is in use, a warning row that leads to changing it comes first.
QList<menuParams> menuEntries(const KVBrowserPrefSettings& preferences,
                              FactoryPassword password = FactoryPassword::Changed);

// "Korvel Version 1.0.0": the About row's subtitle.
QString appNameAndVersionNumberDisplayString();

}  // namespace korvel
