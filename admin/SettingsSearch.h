#pragma once

#include "admin/MenuEntries.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QList>

namespace korvel {

// Every row an administrator can look for, across the settings screens: the row's title and
// subtitle, the screen that holds it (in `menuImage`) and its place there (in `menuId`, section x
// 100 + row). A preference's row comes from its place in the preference schema; the rows that are
// no preference (actions, sub-screens) are listed here.
class SettingsSearch {
public:
    static QList<menuParams> entries();
    // The entries whose title or subtitle contains `text`, ignoring case and accents; every entry
    // for an empty text.
    static QList<menuParams> filter(const QString& text);

    // The screens' names as entries carry them.
    static QString browserPreferences() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::browserPreferences); }
    static QString advancedSettings() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::advancedSettings); }
    static QString navigationToolbar() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::navigationToolbar); }
    static QString multiTab() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::multiTab); }
    static QString specialLinks() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::specialLinks); }
    static QString pdfViewer() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::pdfViewer); }
    static QString screensaver() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::screensaver); }
    static QString powerSaver() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::powerSaver); }
    static QString motion() { return QString::fromLatin1(KVBrowserPrefSettings::Screens::motion); }
    static QString importExport() { return QStringLiteral("Import/Export settings"); }
    // A screen's name above as the administrator reads it, translated.
    static QString screenTitle(const QString& screen);
};

}  // namespace korvel
