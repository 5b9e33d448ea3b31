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
#include <optional>

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
    // Has every defaults store made from now on read the lists as records (see StoredList); done
    // by getSettingsObject(), and by a program that reads the store before it.
    static void registerStoredLists();

    explicit KVSettings(UserDefaults& defaults);

    // Writes the device-information dictionary ("Korvel") and Version.txt.
    void initial();
    // Replaces the in-memory contents with what the store holds; the stored preferences are
    // repaired first when a preference record is already held.
    void load();
    // Writes everything to the store and synchronises it. Returns false when the file could not
    // be written (the store reports why, also to the administrator); memory is kept.
    bool save();

    // Records from arrays of dictionaries, in order; missing keys read as the blank values of the
    // kind. Elements that are not dictionaries are skipped.
    static QList<allowedWebsite> buildAWABrrayFromDictArray(const QVariantList& array);

    // "Korvel, Version 1.0.0 (1)"; also writes Version.txt ("Korvel 1.0.0") in the documents directory.
    static QString appNameAndVersionNumberDisplayString();

    // Who changes the settings, named in the log line of every preference change: "screen" unless
    // a ChangeSource says otherwise ("korvelctl", "import") while it lives. Main thread only.
    class ChangeSource {
    public:
        explicit ChangeSource(const QString& who);
        ~ChangeSource();
        ChangeSource(const ChangeSource&) = delete;
        ChangeSource& operator=(const ChangeSource&) = delete;
        static QString current();

    private:
        QString m_previous;
    };
    // A preference whose stored value changed, as an administrator reads it (a secret as
    // "(set)"/"(none)").
    struct PreferenceChange {
        QString key;
        QString before;
        QString after;
    };
    // Hears of every preference a save or a load changed, with who changed it; set by the program
    // that logs (the log lies above this folder).
    using ChangeReporter = std::function<void(const QList<PreferenceChange>& changes, const QString& who)>;
    static void setChangeReporter(ChangeReporter reporter);
    // Hears of every save and load of the shared container, after it (main thread): what is derived from
    // the lists, such as the engine's request rules, is rebuilt from it.
    using StoredObserver = std::function<void(const KVSettings& settings)>;
    static void addStoredObserver(StoredObserver observer);
    // `domain` (an application domain of the defaults store) as save() would leave it: the lists,
    // the preferences and the automatic-import record written from records, so every missing
    // key has its factory value. An import commits this form, so what it records as applied is
    // what the store holds, and its fingerprint what the start line prints.
    static QVariantMap savedForm(QVariantMap domain);
    // The array a stored value holds, whether held as records or as a tree; empty for anything else.
    static QVariantList listOf(const QVariant& value);
    // The preferences whose values differ between two records, in the order of the schema.
    static QList<PreferenceChange> preferenceChanges(const KVBrowserPrefSettings& before, const KVBrowserPrefSettings& after);

    QList<allowedWebsite> allowedWebsites;
    QList<allowedWebsiteCategory> allowedWebsitesCategories;
    QList<blockedWebsite> blockedWebsites;
    QList<DownloadHistoryParam> arrDownloadHistory;
    KVBrowserPrefSettings kvBrowPref;
    KVAutoImportSettings kvAutoImport;

private:
    void reportChanges();
    void tellStoredObservers() const;

    UserDefaults& m_defaults;
    bool m_holdsPreferences = false;
    std::optional<KVBrowserPrefSettings> m_reportedPreferences;  // as last saved or loaded
};

}  // namespace korvel
