#include "admin/MenuEntries.h"

#include "platform/FormatString.h"
#include "platform/Version.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

QList<menuParams> menuEntries(const KVBrowserPrefSettings& preferences, FactoryPassword password)
{
    QList<menuParams> rows{
        {QStringLiteral("Allowed Websites"), QStringLiteral("List of allowed websites"), QStringLiteral("allowedurl.png"), AllowedWebsitesMenu},
        {QStringLiteral("Manage Categories"), QStringLiteral("Add/Edit/Remove Categories"), QStringLiteral("categories.png"), ManageCategoriesMenu},
        {QStringLiteral("Browser Preferences"), QStringLiteral("Korvel Browser Preferences"), QStringLiteral("browserpref.png"), BrowserPreferencesMenu},
        {QStringLiteral("Advanced Settings"), QStringLiteral("Korvel Advanced Settings"), QStringLiteral("advance_setting.png"), AdvancedSettingsMenu},
        //% "System Settings"
        {qtTrId("TITLE_SYSTEM_SETTINGS"),
         //% "Korvel in the system's settings"
         qtTrId("TITLE_DETAIL_TEXT_SYSTEM_SETTINGS"), QStringLiteral("system_setting.png"), SystemSettingsMenu},
        //% "Check Lockdown"
        {qtTrId("TITLE_CHECK_LOCKDOWN"),
         //% "What could break out of this kiosk"
         qtTrId("TITLE_DETAIL_TEXT_CHECK_LOCKDOWN"), QStringLiteral("lockdown.png"), CheckLockdownMenu},
        {QStringLiteral("Import/Export"), QStringLiteral("Import/Export Settings"), QStringLiteral("displaysettings.png"), ImportExportMenu},
        {QStringLiteral("View Korvel Log"), QString(), QStringLiteral("log.png"), ViewLogMenu},
        //% "Open Source Licenses"
        {qtTrId("OPEN_SOURCE_LICENSES"), QString(), QStringLiteral("Library_Icon.png"), OpenSourceLicensesMenu},
        {QStringLiteral("About"), appNameAndVersionNumberDisplayString(), QStringLiteral("info_green.png"), AboutMenu},
    };
    if (preferences.allowAllWebsites)
        rows.insert(1, {QStringLiteral("Blocked Websites"), QStringLiteral("List of blocked websites"), QStringLiteral("blocked_websites.png"), BlockedWebsitesMenu});
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
