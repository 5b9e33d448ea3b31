#pragma once

#include "settings/DownloadHistoryParam.h"
#include "settings/KVAutoImportSettings.h"
#include "settings/KVBrowserPrefSettings.h"
#include "settings/allowedWebsite.h"
#include "settings/allowedWebsiteCategory.h"
#include "settings/blockedWebsite.h"

#include <QList>
#include <QVariantList>
#include <QVariantMap>

#include <functional>

namespace korvel {

class UserDefaults;

// The settings container: every list and record the administrator configures. Screens change it in
// memory and call save(); load() rebuilds it from the defaults store. Main thread only.
class KVSettings {
public:
    static constexpr const char* allowedWebsitesKey = "AllowedWebsites";
    static constexpr const char* allowedWebsitesCategoryKey = "AllowedWebsitesCategory";
    static constexpr const char* blockedWebsitesKey = "BlockedWebsites";
    static constexpr const char* downloadHistoryKey = "DownloadHistory";
    static constexpr const char* browserPreferencesKey = "BrowserPreferences";
    static constexpr const char* autoImportKey = "AutoImport";
    static constexpr const char* deviceInformationKey = "Korvel";

    // The one container, made on first use (initial, then load) over UserDefaults::standard().
    static KVSettings& getSettingsObject();
    // Drops the shared container (tests, after the home directory changed).
    static void resetSettingsObject();

    explicit KVSettings(UserDefaults& defaults);

    // Writes the device-information dictionary ("Korvel") and Version.txt.
    void initial();
    // Replaces the in-memory contents with what the store holds; the stored preferences are
    // repaired first when a preference record is already held.
    void load();
    // Writes everything to the store and synchronises it. Returns false when the file could not
    // be written (the store reports why); memory is kept.
    bool save();
    // Makes a whole settings document the current settings, replacing every list, then saves.
    // A "Password" inside its "BrowserPreferences" becomes the administrator password.
    bool loadSettings(const QVariantMap& document);

    QVariantList getAWDictArray() const;
    QVariantList getAllowedWebsitesCategoriesDictArray() const;
    QVariantList getBWDictArray() const;
    QVariantList getDownloadHistoryDictArray() const;

    // Records from arrays of dictionaries, in order; missing keys read as the blank values of the
    // kind. Elements that are not dictionaries are skipped.
    static QList<allowedWebsite> buildAWABrrayFromDictArray(const QVariantList& array);
    static QList<allowedWebsiteCategory> buildAllowedWebsitesCategoryArrayFromDictArray(const QVariantList& array);
    static QList<blockedWebsite> buildbWABrrayFromDictArray(const QVariantList& array);
    static QList<DownloadHistoryParam> buildDownloadHistoryArrayFromDictArray(const QVariantList& array);

    // "Korvel, Version 1.0.0 (1)"; also writes Version.txt ("Korvel 1.0.0") in the documents directory.
    static QString appNameAndVersionNumberDisplayString();

    // The writer of a settings document's embedded files; set by the module that owns them.
    using FilesImporter = std::function<void(const QVariantMap& document)>;
    static void setFilesImporter(FilesImporter importer);

    QList<allowedWebsite> allowedWebsites;
    QList<allowedWebsiteCategory> allowedWebsitesCategories;
    QList<blockedWebsite> blockedWebsites;
    QList<DownloadHistoryParam> arrDownloadHistory;
    KVBrowserPrefSettings kvBrowPref;
    KVAutoImportSettings kvAutoImport;

private:
    UserDefaults& m_defaults;
    bool m_holdsPreferences = false;
};

}  // namespace korvel
