#pragma once

#include "policy/LocalServerAddress.h"
#include "settings/allowedWebsite.h"

#include <QByteArray>
#include <QStringList>
#include <QVariantList>

#include <functional>
#include <optional>

namespace korvel {

class KVSettings;

// The icons of the tabbed home page, as data for the page: one entry (a map of strings and
// numbers) per website of the shown category, then the category folders at the top level or the
// Back entry inside a category. The page receives them as Base64 JSON through its function
// addtext, never as script text, so no title can become script.
struct HomePageEntries {
    QVariantList allowedVisibleWebsites;
    // Icon values naming local files ("<path>qobrix<n>") that the page receives as image data.
    QStringList customIconUrls;
    // Set when an allowed website opens at start; that website is the tab's website.
    bool runAtStartup_bool = false;
    std::optional<allowedWebsite> startupWebsite;

    struct Inputs {
        qint64 selectedCategoryId = 0;
        bool hasDragged = false;
        QString documentsDirectory;
        std::optional<LocalServerAddress> localServer;
        // Whether a local icon file exists (and may be read) at this path.
        std::function<bool(const QString& path)> iconFileExists;
    };
    // Builds the entries from the settings' lists; resets the stored icon frames where icons are
    // not arranged by hand, as the home screen does.
    static HomePageEntries loadVisibleWebSites(KVSettings& settings, const Inputs& inputs);

    // The entries as pretty-printed UTF-8 JSON in Base64, without line breaks.
    QByteArray base64JSON() const;
    // The call that hands the entries to the page; the Base64 alphabet needs no quoting.
    static QString addtextScript(const QByteArray& base64, bool dark);
    // The file path an icon value names (the text before "qobrix").
    static QString iconPath(const QString& iconValue);
    // The script that puts the PNG image `png` into the elements whose id is `iconValue`; both go in
    // as JSON strings, so a path with quotes stays a string.
    static QString customIconScript(const QString& iconValue, const QByteArray& png);

    // The Back entry's address, which the navigation policy answers.
    static QString backURL() { return QStringLiteral("kor_vel_multitab_back_button_pressed"); }
};

}  // namespace korvel
