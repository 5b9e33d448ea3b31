#pragma once

#include "admin/MenuEntries.h"

#include <QList>

namespace korvel {

// Every row an administrator can look for, across the settings screens: the row's title and
// subtitle, the screen that holds it (in `menuImage`) and its place there (in `menuId`, section x
// 100 + row).
class SettingsSearch {
public:
    static const QList<menuParams>& entries();
    // The entries whose title or subtitle contains `text`, ignoring case and accents; every entry
    // for an empty text.
    static QList<menuParams> filter(const QString& text);

    // The screens' names as entries carry them.
    static QString browserPreferences() { return QStringLiteral("Browser Preferences"); }
    static QString advancedSettings() { return QStringLiteral("Advanced Settings"); }
    static QString navigationToolbar() { return QStringLiteral("Configure Navigation Toolbar"); }
    static QString multiTab() { return QStringLiteral("MultiTab Settings"); }
    static QString specialLinks() { return QStringLiteral("Enable Special Links"); }
    static QString pdfViewer() { return QStringLiteral("Change PDF Viewer preferences"); }
    static QString screensaver() { return QStringLiteral("Screensaver Mode"); }
    static QString powerSaver() { return QStringLiteral("Power Saver Mode"); }
    static QString motion() { return QStringLiteral("Motion Detection Settings"); }
    static QString importExport() { return QStringLiteral("Import/Export settings"); }
};

}  // namespace korvel
