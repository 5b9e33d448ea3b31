#include "admin/SettingsSearch.h"

#include "settings/ShownText.h"

#include <algorithm>

namespace korvel {

namespace {

QString folded(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c.toCaseFolded());
    }
    return out;
}

menuParams entry(const QString& title, const QString& subtitle, const QString& screen, int section, int row)
{
    return {title, subtitle, screen, section * 100 + row};
}

}  // namespace

QList<menuParams> SettingsSearch::entries()
{
    // Made anew each time, in the language of the moment.
    QList<menuParams> all = [] {
        const QString bp = browserPreferences();
        QList<menuParams> e{
            //% "The password that opens these settings"
            entry(qtTrId("TEXT_ADMIN_PASSWORD"), qtTrId("SETTINGS_ADMIN_PASSWORD_DETAIL"), bp, 0, 0),
            //% "Reset Icon Layout"
            entry(qtTrId("SETTINGS_RESET_ICON_LAYOUT"), QString(), bp, 0, 9),
            //% "Configure Navigation Toolbar"
            //% "Tap to configure the toolbar."
            entry(qtTrId("SETTINGS_SCREEN_NAVIGATION_TOOLBAR"), qtTrId("SETTINGS_CONFIGURE_TOOLBAR_DETAIL"), bp, 2, 1),
            //% "Enable Special Links"
            entry(qtTrId("SETTINGS_SCREEN_SPECIAL_LINKS"), qtTrId("TEXT_SPECIAL_LINKS_DETAIL"), bp, 2, 3),
            entry(qtTrId("TEXT_CONFIGURE_TABBED_BROWSING"), QString(), bp, 2, 14),
            //% "ScreenSaver Mode"
            //% "Tap to configure ScreenSaver on idletimeout"
            entry(qtTrId("SETTINGS_SCREENSAVER_MODE"), qtTrId("SETTINGS_SCREENSAVER_MODE_DETAIL"), bp, 4, 2),
            //% "Power Saver Mode"
            //% "Tap to configure Power Saver on idletimeout"
            entry(qtTrId("SETTINGS_SCREEN_POWER_SAVER"), qtTrId("SETTINGS_POWER_SAVER_MODE_DETAIL"), bp, 4, 3),
            entry(qtTrId("PDF_VIEWER"), qtTrId("CHANGE_PDF_VIEWER_SETTINGS"), bp, 6, 1),
            entry(qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE"), qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL"), screensaver(), 1, 1),
        };
        const QString transfer = importExport();
        //% "Export to File"
        //% "To a file in Documents Directory"
        e << entry(qtTrId("TRANSFER_EXPORT_TO_FILE"), qtTrId("TRANSFER_TO_FILE_DETAIL"), transfer, 0, 0)
          //% "Export to Cloud"
          //% "Export Settings to Cloud storage"
          << entry(qtTrId("TRANSFER_EXPORT_TO_CLOUD"), qtTrId("TRANSFER_EXPORT_TO_CLOUD_DETAIL"), transfer, 0, 1)
          //% "Export Settings to Cloud and Generate QR Code"
          << entry(qtTrId("TRANSFER_EXPORT_QR"),
                   //% "Export Settings to Cloud storage and show Cloud ID as QR Code"
                   qtTrId("TRANSFER_EXPORT_QR_DETAIL"), transfer, 0, 2)
          //% "Export for Pellmor"
          //% "Export as txt file for Pellmor Configuration"
          << entry(qtTrId("TRANSFER_EXPORT_PELLMOR"), qtTrId("TRANSFER_EXPORT_PELLMOR_DETAIL"), transfer, 0, 3)
          //% "Import from File"
          //% "From a file in Documents Directory"
          << entry(qtTrId("TRANSFER_IMPORT_FROM_FILE"), qtTrId("TRANSFER_FROM_FILE_DETAIL"), transfer, 1, 0)
          //% "Import from Cloud"
          //% "Import settings from Cloud storage"
          << entry(qtTrId("CLOUD_IMPORT_FROM_CLOUD"), qtTrId("TRANSFER_IMPORT_FROM_CLOUD_DETAIL"), transfer, 1, 1)
          //% "Import from URL"
          //% "Import settings from URL"
          << entry(qtTrId("TRANSFER_IMPORT_FROM_URL"), qtTrId("TRANSFER_IMPORT_FROM_URL_DETAIL"), transfer, 1, 2)
          //% "Reset Settings"
          //% "Set settings to default"
          << entry(qtTrId("TRANSFER_RESET"), qtTrId("TRANSFER_RESET_DETAIL"), transfer, 2, 0)
          //% "AutoImport Korvel Settings:"
          //% "Automatic Import"
          << entry(qtTrId("TRANSFER_AUTO_IMPORT"), qtTrId("TRANSFER_AUTOMATIC_IMPORT"), transfer, 3, 0)
          //% "Periodically Check (Minutes)"
          << entry(qtTrId("TRANSFER_PERIOD"), qtTrId("TRANSFER_AUTOMATIC_IMPORT"), transfer, 3, 4);
        for (const KVBrowserPrefSettings::Field& f : KVBrowserPrefSettings::fields()) {
            if (f.place.screen)
                e << entry(shownTitle(f), shownDetail(f), QString::fromLatin1(f.place.screen), f.place.section, f.place.row);
        }
        // In the order of the screens, and of the rows within a screen.
        const QStringList screens{bp, advancedSettings(), specialLinks(), multiTab(), screensaver(), powerSaver(), motion(), pdfViewer(),
                                  transfer, navigationToolbar()};
        std::stable_sort(e.begin(), e.end(), [&](const menuParams& a, const menuParams& b) {
            const qsizetype sa = screens.indexOf(a.menuImage);
            const qsizetype sb = screens.indexOf(b.menuImage);
            return sa != sb ? sa < sb : a.menuId < b.menuId;
        });
        return e;
    }();
    return all;
}

QList<menuParams> SettingsSearch::filter(const QString& text)
{
    const QString needle = folded(text.trimmed());
    if (needle.isEmpty())
        return entries();
    QList<menuParams> found;
    for (const menuParams& e : entries()) {
        if (folded(e.menuMainText).contains(needle) || folded(e.menuSubText).contains(needle))
            found.append(e);
    }
    return found;
}

QString SettingsSearch::screenTitle(const QString& screen)
{
    using Screens = KVBrowserPrefSettings::Screens;
    const QByteArray name = screen.toUtf8();
    //% "Browser Preferences"
    if (name == Screens::browserPreferences) return qtTrId("SETTINGS_SCREEN_BROWSER_PREFERENCES");
    //% "Advanced Settings"
    if (name == Screens::advancedSettings) return qtTrId("SETTINGS_SCREEN_ADVANCED");
    //% "Configure Navigation Toolbar"
    if (name == Screens::navigationToolbar) return qtTrId("SETTINGS_SCREEN_NAVIGATION_TOOLBAR");
    //% "MultiTab Settings"
    if (name == Screens::multiTab) return qtTrId("SETTINGS_SCREEN_MULTITAB");
    //% "Enable Special Links"
    if (name == Screens::specialLinks) return qtTrId("SETTINGS_SCREEN_SPECIAL_LINKS");
    //% "Change PDF Viewer preferences"
    if (name == Screens::pdfViewer) return qtTrId("SETTINGS_SCREEN_PDF_VIEWER");
    //% "Screensaver Mode"
    if (name == Screens::screensaver) return qtTrId("SETTINGS_SCREEN_SCREENSAVER");
    //% "Power Saver Mode"
    if (name == Screens::powerSaver) return qtTrId("SETTINGS_SCREEN_POWER_SAVER");
    //% "Motion Detection Settings"
    if (name == Screens::motion) return qtTrId("TEXT_MOTION_DETECTION_SETTINGS");
    //% "Import/Export settings"
    if (screen == importExport()) return qtTrId("SETTINGS_SCREEN_IMPORT_EXPORT");
    return screen;
}

}  // namespace korvel
