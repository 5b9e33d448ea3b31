#include "admin/MenuEntries.h"

#include "platform/FormatString.h"
#include "platform/Version.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

QList<menuParams> menuEntries(const KVBrowserPrefSettings& preferences, FactoryPassword password)
{
    QList<menuParams> rows{
        //% "Allowed Websites"
        //% "List of allowed websites"
        {qtTrId("SETTINGS_ALLOWED_WEBSITES"), qtTrId("SETTINGS_MENU_ALLOWED_DETAIL"), QStringLiteral("allowedurl.png"), AllowedWebsitesMenu},
        //% "Manage Categories"
        //% "Add/Edit/Remove Categories"
        {qtTrId("SETTINGS_MENU_CATEGORIES"), qtTrId("SETTINGS_MENU_CATEGORIES_DETAIL"), QStringLiteral("categories.png"), ManageCategoriesMenu},
        //% "Browser Preferences"
        //% "Korvel Browser Preferences"
        {qtTrId("SETTINGS_SCREEN_BROWSER_PREFERENCES"), qtTrId("SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL"), QStringLiteral("browserpref.png"), BrowserPreferencesMenu},
        //% "Advanced Settings"
        //% "Korvel Advanced Settings"
        {qtTrId("SETTINGS_SCREEN_ADVANCED"), qtTrId("SETTINGS_MENU_ADVANCED_DETAIL"), QStringLiteral("advance_setting.png"), AdvancedSettingsMenu},
        //% "System Settings"
        {qtTrId("TITLE_SYSTEM_SETTINGS"),
         //% "Korvel in the system's settings"
         qtTrId("TITLE_DETAIL_TEXT_SYSTEM_SETTINGS"), QStringLiteral("system_setting.png"), SystemSettingsMenu},
        //% "Check Lockdown"
        {qtTrId("TITLE_CHECK_LOCKDOWN"),
         //% "What could break out of this kiosk"
         qtTrId("TITLE_DETAIL_TEXT_CHECK_LOCKDOWN"), QStringLiteral("lockdown.png"), CheckLockdownMenu},
        //% "Import/Export"
        //% "Import/Export Settings"
        {qtTrId("SETTINGS_MENU_IMPORT_EXPORT"), qtTrId("TRANSFER_TITLE"), QStringLiteral("displaysettings.png"), ImportExportMenu},
        //% "View Korvel Log"
        {qtTrId("SETTINGS_MENU_LOG"), QString(), QStringLiteral("log.png"), ViewLogMenu},
        //% "Open Source Licenses"
        {qtTrId("OPEN_SOURCE_LICENSES"), QString(), QStringLiteral("Library_Icon.png"), OpenSourceLicensesMenu},
        //% "About"
        {qtTrId("ADMIN_ABOUT"), appNameAndVersionNumberDisplayString(), QStringLiteral("info_green.png"), AboutMenu},
    };
    if (preferences.allowAllWebsites)
        //% "Blocked Websites"
        //% "List of blocked websites"
        rows.insert(1, {qtTrId("SETTINGS_BLOCKED_WEBSITES"), qtTrId("SETTINGS_MENU_BLOCKED_DETAIL"), QStringLiteral("blocked_websites.png"), BlockedWebsitesMenu});
    switch (password) {
    case FactoryPassword::InUse:
        //% "The factory password is still in use. Change it."
        rows.prepend({qtTrId("TEXT_FACTORY_PASSWORD_IN_USE"),
                      //% "Anyone who knows it can open these settings."
                      qtTrId("TEXT_FACTORY_PASSWORD_IN_USE_DETAIL"), QStringLiteral("password_warning.png"), ChangePasswordMenu});
        break;
    case FactoryPassword::Changed:
        break;
    }
    return rows;
}

QString appNameAndVersionNumberDisplayString()
{
    return formatString(QStringLiteral("%@ Version %@"), QStringLiteral("Korvel"), QString::fromLatin1(version::shortVersion));
}

}  // namespace korvel
