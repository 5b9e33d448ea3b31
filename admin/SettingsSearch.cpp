#include "admin/SettingsSearch.h"

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

// A row's text as the screen shows it: the text, or the translation of its id.
QString shownText(const char* text)
{
    return text ? qtTrId(text) : QString();
}

}  // namespace

const QList<menuParams>& SettingsSearch::entries()
{
    static const QList<menuParams> all = [] {
        const QString bp = browserPreferences();
        QList<menuParams> e{
            entry(qtTrId("TEXT_ADMIN_PASSWORD"), QStringLiteral("The password that opens these settings"), bp, 0, 0),
            entry(QStringLiteral("Reset Icon Layout"), QString(), bp, 0, 9),
            entry(QStringLiteral("Configure Navigation Toolbar"), QStringLiteral("Tap to configure the toolbar."), bp, 2, 1),
            entry(QStringLiteral("Enable Special Links"), qtTrId("TEXT_SPECIAL_LINKS_DETAIL"), bp, 2, 3),
            entry(qtTrId("TEXT_CONFIGURE_TABBED_BROWSING"), QString(), bp, 2, 14),
            entry(QStringLiteral("ScreenSaver Mode"), QStringLiteral("Tap to configure ScreenSaver on idletimeout"), bp, 4, 2),
            entry(QStringLiteral("Power Saver Mode"), QStringLiteral("Tap to configure Power Saver on idletimeout"), bp, 4, 3),
            entry(qtTrId("PDF_VIEWER"), qtTrId("CHANGE_PDF_VIEWER_SETTINGS"), bp, 6, 1),
            entry(qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE"), qtTrId("TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL"), screensaver(), 1, 1),
        };
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
        for (const KVBrowserPrefSettings::Field& f : KVBrowserPrefSettings::fields()) {
            if (f.place.screen)
                e << entry(shownText(f.place.title), shownText(f.place.subtitle), QString::fromLatin1(f.place.screen), f.place.section, f.place.row);
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

}  // namespace korvel
