#include "admin/SettingsSearch.h"

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

const QList<menuParams>& SettingsSearch::entries()
{
    static const QList<menuParams> all = [] {
        const QString bp = browserPreferences();
        QList<menuParams> e{
            entry(qtTrId("TEXT_ADMIN_PASSWORD"), QStringLiteral("The password that opens these settings"), bp, 0, 0),
            entry(QStringLiteral("Tap count"), QStringLiteral("Number of taps to access settings. Default 5."), bp, 0, 1),
            entry(QStringLiteral("Go to Home on Access Denied"), QString(), bp, 0, 2),
            entry(QStringLiteral("Restrict Korvel Settings Menu"), QString(), bp, 0, 3),
            entry(QStringLiteral("Restrict Settings after (Minutes)"), QString(), bp, 0, 4),
            entry(QStringLiteral("Ignore SSL Warnings"), QString(), bp, 0, 5),
            entry(QStringLiteral("Go to Home on Network Gain"), QString(), bp, 0, 6),
            entry(QStringLiteral("Allow Icon Resize"), QString(), bp, 0, 7),
            entry(QStringLiteral("Allow Icon Relocation"), QString(), bp, 0, 8),
            entry(QStringLiteral("Reset Icon Layout"), QString(), bp, 0, 9),
            entry(QStringLiteral("Adjust Brightness"), QString(), bp, 0, 10),
            entry(QStringLiteral("User Agent"), QString(), bp, 0, 11),
            entry(QStringLiteral("Prevent Device Suspend"), QString(), bp, 0, 12),
            entry(QStringLiteral("Enable Custom User Agent Header"), QString(), bp, 0, 13),
            entry(QStringLiteral("Custom User Agent Header"), QStringLiteral("Note:If Header field is empty.Default header is set to Korvel."), bp, 0, 14),
            entry(QStringLiteral("Clear Cookies on Home"), QString(), bp, 1, 0),
            entry(QStringLiteral("Clear App Cache on Home"), QString(), bp, 1, 1),
            entry(QStringLiteral("Show Options Menu on Browser Screen"), QString(), bp, 2, 0),
            entry(QStringLiteral("Configure Navigation Toolbar"), QStringLiteral("Tap to configure the toolbar."), bp, 2, 1),
            entry(QStringLiteral("Show Navigation Toolbar"), QString(), bp, 2, 2),
            entry(QStringLiteral("Enable Special Links"), qtTrId("TEXT_SPECIAL_LINKS_DETAIL"), bp, 2, 3),
            entry(QStringLiteral("Enable Toast Messages"), QString(), bp, 2, 4),
            entry(QStringLiteral("Allow Pop-Ups"), QString(), bp, 2, 5),
            entry(QStringLiteral("Show Pop-Ups in same window"), QString(), bp, 2, 6),
            entry(QStringLiteral("Enable Copy Paste"), QString(), bp, 2, 7),
            entry(QStringLiteral("Enable Zoom"), QString(), bp, 2, 8),
            entry(QStringLiteral("Set Initial Zoom Level"), QString(), bp, 2, 9),
            entry(QStringLiteral("WebView Bounce"), qtTrId("TEXT_BOUNCE_DETAIL"), bp, 2, 10),
            entry(QStringLiteral("Enable FullScreen"), QString(), bp, 2, 11),
            entry(QStringLiteral("Refresh Current Page on Recovering from Error"), QString(), bp, 2, 12),
            entry(QStringLiteral("Browser Orientation"), QString(), bp, 2, 13),
            entry(qtTrId("TEXT_CONFIGURE_TABBED_BROWSING"), QString(), bp, 2, 14),
            entry(QStringLiteral("Enable Loading Icon"), QString(), bp, 2, 15),
            entry(qtTrId("TEXT_ENABLE_PLUGINS"), qtTrId("TEXT_ENABLE_PLUGINS_DETAIL"), bp, 2, 16),
            entry(QStringLiteral("Wallpaper"), QString(), bp, 3, 0),
            entry(QStringLiteral("Wallpaper Style"), QString(), bp, 3, 1),
            entry(QStringLiteral("Idle Timeout (Seconds)"), QString(), bp, 4, 0),
            entry(QStringLiteral("Go to Home"), QStringLiteral("Goto Home Screen on idletimeout"), bp, 4, 1),
            entry(QStringLiteral("ScreenSaver Mode"), QStringLiteral("Tap to configure ScreenSaver on idletimeout"), bp, 4, 2),
            entry(QStringLiteral("Power Saver Mode"), QStringLiteral("Tap to configure Power Saver on idletimeout"), bp, 4, 3),
            entry(QStringLiteral("Enable Upload Server"), QString(), bp, 5, 0),
            entry(QStringLiteral("Run on Port"), QString(), bp, 5, 1),
            entry(qtTrId("TEXT_UPLOAD_ACCESS_CODE"), qtTrId("TEXT_UPLOAD_ACCESS_CODE_DETAIL"), bp, 5, 2),
            entry(qtTrId("TEXT_UPLOAD_SERVER_TLS"), qtTrId("TEXT_UPLOAD_SERVER_TLS_DETAIL"), bp, 5, 5),
            entry(qtTrId("SHOW_FILES_USING_GOOGLE_DOCS"), qtTrId("ENABLES_VIEWING_OF_GOOGLE_DOCS"), bp, 6, 0),
            entry(qtTrId("PDF_VIEWER"), qtTrId("CHANGE_PDF_VIEWER_SETTINGS"), bp, 6, 1),
            entry(qtTrId("ALLOW_DOWNLOADS"), qtTrId("ALLOW_DOWNLOADING_FILES_TO_DEVICE"), bp, 7, 0),
            entry(qtTrId("OPEN_FILE_AFTER_DOWNLOAD"), qtTrId("CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD"), bp, 7, 1),
            entry(qtTrId("KEEP_DOWNLOAD_HISTORY"), qtTrId("CHECK_TO_KEEP_DOWNLOAD_HISTORY"), bp, 7, 2),
            entry(QStringLiteral("Allow All Websites"), qtTrId("TEXT_ALLOW_ALL_DETAIL"), advancedSettings(), 0, 0),
            entry(QStringLiteral("Enable Content Blocking"), QStringLiteral("Enable to allow content blocking"), advancedSettings(), 1, 0),
            entry(QStringLiteral("Add keywords to block access"), QStringLiteral("Block sites containing the keywords"), advancedSettings(), 1, 1),
            entry(QStringLiteral("Phone Numbers"), qtTrId("TEXT_PHONE_LINKS_DETAIL"), specialLinks(), 0, 0),
            entry(QStringLiteral("Print Links"), QString(), specialLinks(), 0, 1),
            entry(QStringLiteral("Enable Multi-Tab"), QString(), multiTab(), 0, 0),
            entry(QStringLiteral("Maximum Number of Tab(s)"), QStringLiteral("Enter a value between 1 to 8."), multiTab(), 0, 1),
        };
        const QString saver = screensaver();
        e << entry(QStringLiteral("Enable ScreenSaver"), qtTrId("TEXT_SCREENSAVER_ENABLE_DETAIL"), saver, 0, 0)
          << entry(qtTrId("TEXT_SCREENSAVER_SOURCE"), qtTrId("TEXT_SCREENSAVER_SOURCE_PLACEHOLDER"), saver, 1, 0)
          << entry(qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE"), qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL"), saver, 1, 1);
        const QString power = powerSaver();
        e << entry(QStringLiteral("Always Save Power"), qtTrId("TEXT_POWER_ALWAYS_DETAIL"), power, 0, 0)
          << entry(QStringLiteral("Schedule Power Saver"), qtTrId("TEXT_POWER_SCHEDULE_DETAIL"), power, 0, 1)
          << entry(qtTrId("TEXT_POWER_START_TIME"), qtTrId("TEXT_POWER_HOURS"), power, 1, 0)
          << entry(qtTrId("TEXT_POWER_END_TIME"), qtTrId("TEXT_POWER_HOURS"), power, 1, 1)
          << entry(qtTrId("TEXT_POWER_DAYS"), QString(), power, 2, 0);
        e << entry(QStringLiteral("Motion Detection"), qtTrId("TEXT_MOTION_DETECTION_DETAIL"), motion(), 0, 0)
          << entry(QStringLiteral("Sensitivity"), QString(), motion(), 0, 1);
        e << entry(qtTrId("PDF_VIEWER"), qtTrId("TEXT_PDF_VIEWER_DETAIL"), pdfViewer(), 0, 0)
          << entry(qtTrId("TEXT_PDF_ALLOW_DOWNLOAD"), qtTrId("TEXT_PDF_ALLOW_DOWNLOAD_DETAIL"), pdfViewer(), 0, 1)
          << entry(qtTrId("TEXT_PDF_ALLOW_PRINT"), qtTrId("TEXT_PDF_ALLOW_PRINT_DETAIL"), pdfViewer(), 0, 2);
        const QString transfer = importExport();
        e << entry(QStringLiteral("Export to File"), QStringLiteral("To a file in Documents Directory"), transfer, 0, 0)
          << entry(QStringLiteral("Export to Cloud"), QStringLiteral("Export Settings to Cloud storage"), transfer, 0, 1)
          << entry(QStringLiteral("Export Settings to Cloud and Generate QR Code"),
                   QStringLiteral("Export Settings to Cloud storage and show Cloud ID as QR Code"), transfer, 0, 2)
          << entry(QStringLiteral("Export for Pellmor"), QStringLiteral("Export as txt file for Pellmor Configuration"), transfer, 0, 3)
          << entry(QStringLiteral("Import from File"), QStringLiteral("From a file in Documents Directory"), transfer, 1, 0)
          << entry(QStringLiteral("Import from Cloud"), QStringLiteral("Import settings from Cloud storage"), transfer, 1, 1)
          << entry(QStringLiteral("Import from URL"), QStringLiteral("Import settings from URL"), transfer, 1, 2)
          << entry(QStringLiteral("Reset Settings"), QStringLiteral("Set settings to default"), transfer, 2, 0)
          << entry(QStringLiteral("AutoImport Korvel Settings:"), QStringLiteral("Automatic Import"), transfer, 3, 0)
          << entry(QStringLiteral("Periodically Check (Minutes)"), QStringLiteral("Automatic Import"), transfer, 3, 4);
        const QStringList buttons{QStringLiteral("Refresh"), QStringLiteral("Forward"), QStringLiteral("Home"), QStringLiteral("Back"),
                                  QStringLiteral("Print")};
        for (int i = 0; i < buttons.size(); ++i)
            e.append(entry(QStringLiteral("Show %1 Button").arg(buttons.at(i)), QString(), navigationToolbar(), 0, i));
        for (int i = 0; i < buttons.size(); ++i)
            e.append(entry(QStringLiteral("%1 Button Image").arg(buttons.at(i)),
                           QStringLiteral("Image used to show %1 Button. Recommended size: 44*44").arg(buttons.at(i)), navigationToolbar(), 1, i));
        e.append(entry(QStringLiteral("Toolbar Background"), QStringLiteral("Image for Navigation Toolbar Background"), navigationToolbar(), 1,
                       int(buttons.size())));
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

}  // namespace korvel
