#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "settings/SettingsFingerprint.h"
#include "settings/TalvexUtils.h"
#include "tests/support/TestHome.h"

#include <QRegularExpression>

using korvel::allowedWebsite;
using korvel::allowedWebsiteCategory;
using korvel::blockedWebsite;
using korvel::DownloadHistoryParam;
using korvel::Frame;
using korvel::KVSettings;
using korvel::PropertyList;
using korvel::UserDefaults;
using korvel::WebsiteProtocol;

namespace {

class SettingsStoreTest : public korvel::test::TestHome {
protected:
    QVariantMap storedFile() const { return PropertyList::readFile(home() + QStringLiteral("/defaults.plist")).value.toMap(); }

    static void fill(KVSettings& s)
    {
        s.allowedWebsites = {
            allowedWebsite::initWithParams(QStringLiteral("https://b.example/"), true, false, true,
                                           QStringLiteral("B"), false, QStringLiteral("icons/b.png"), false,
                                           WebsiteProtocol::Https, false, Frame{1, 2, 3, 4}, Frame{}, 2, 7, true),
            allowedWebsite::initWithParams(QStringLiteral("http://a.example/x y"), false, true, false, QString(), true,
                                           QString(), true, WebsiteProtocol::Http, true, Frame{}, Frame{5, 6, 7, 8}, 0,
                                           3, false),
        };
        s.allowedWebsitesCategories = {allowedWebsiteCategory::initWithParams(QStringLiteral("News"), QString(), 2,
                                                                              Frame{}, Frame{0.1, 0, 10, 10})};
        s.blockedWebsites = {blockedWebsite::initWithParams(QStringLiteral("http://bad.example/"), WebsiteProtocol::Http,
                                                            QStringLiteral("bad"))};
        s.arrDownloadHistory = {DownloadHistoryParam::initWithParams(
            QStringLiteral("a.pdf"), QStringLiteral("/docs/a.pdf"), QStringLiteral("2026-12-06T07:00:00.000Z"),
            QStringLiteral("12 KB"), 1)};
        s.kvBrowPref.port = 9090;
        s.kvBrowPref.strBlockedKeyWord = QStringLiteral("casino");
        s.kvAutoImport.cloudID = QStringLiteral("ABC123");
    }
};

}  // namespace

TEST_F(SettingsStoreTest, FirstUseWritesDeviceInformationAndVersionFile)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    EXPECT_EQ(settings.kvBrowPref, korvel::KVBrowserPrefSettings::init());
    EXPECT_TRUE(settings.allowedWebsites.isEmpty());
    const QVariantMap info = UserDefaults::standard().dictionaryForKey(QStringLiteral("Korvel"));
    EXPECT_EQ(info.value(QStringLiteral("Korvel Version")), QStringLiteral("Korvel, Version 1.0.0 (1)"));
    EXPECT_EQ(info.value(QStringLiteral("Device Model")), QStringLiteral("Test Panel 10"));
    EXPECT_EQ(info.value(QStringLiteral("OS")), QStringLiteral("Debian GNU/Linux"));
    EXPECT_EQ(info.value(QStringLiteral("OS version")), QStringLiteral("12"));
    EXPECT_EQ(korvel::test::readFile(documents() + QStringLiteral("/Version.txt")), "Korvel 1.0.0");
}

TEST_F(SettingsStoreTest, SaveThenLoadGivesBackEverything)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    fill(settings);
    ASSERT_TRUE(settings.save());
    const KVSettings before = settings;

    restart();
    KVSettings& reloaded = KVSettings::getSettingsObject();
    EXPECT_EQ(reloaded.allowedWebsites, before.allowedWebsites);
    EXPECT_EQ(reloaded.allowedWebsitesCategories, before.allowedWebsitesCategories);
    EXPECT_EQ(reloaded.blockedWebsites, before.blockedWebsites);
    EXPECT_EQ(reloaded.arrDownloadHistory, before.arrDownloadHistory);
    EXPECT_EQ(reloaded.kvBrowPref, before.kvBrowPref);
    EXPECT_EQ(reloaded.kvAutoImport, before.kvAutoImport);
}

TEST_F(SettingsStoreTest, BuildersFillMissingKeysWithBlankValuesAndKeepOrder)
{
    const QVariantList array = {
        QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://first.example/")}},
        QStringLiteral("not a dictionary"),
        QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://second.example/")},
                    {QStringLiteral("AllowedWebsiteId"), qint64(5)}},
        QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://first.example/")}},
    };
    const auto sites = KVSettings::buildAWABrrayFromDictArray(array);
    ASSERT_EQ(sites.size(), 3);
    EXPECT_EQ(sites[0].url, QStringLiteral("http://first.example/"));
    EXPECT_EQ(sites[1].allowedWebsiteId, 5);
    EXPECT_EQ(sites[2], sites[0]) << "duplicates are kept";

    EXPECT_TRUE(KVSettings::buildAllowedWebsitesCategoryArrayFromDictArray({}).isEmpty());
    const auto history = KVSettings::buildDownloadHistoryArrayFromDictArray({QVariantMap{}});
    ASSERT_EQ(history.size(), 1);
    EXPECT_EQ(history[0].historyId, 0);
    EXPECT_EQ(history[0].toDictionary().value(QStringLiteral("FileName")), QString(QLatin1String("")))
        << "a blank entry is written with empty texts, never a placeholder";
    const auto blocked = KVSettings::buildbWABrrayFromDictArray({QVariantMap{{QStringLiteral("Protocol"), qint64(2)}}});
    ASSERT_EQ(blocked.size(), 1);
    EXPECT_EQ(blocked[0].protocol, WebsiteProtocol::File);
    EXPECT_FALSE(blocked[0].parsedURL().has_value());
}

TEST_F(SettingsStoreTest, LoadSettingsReplacesEveryListAndSaves)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    fill(settings);
    settings.save();

    QVariantMap seenByImporter;
    KVSettings::setFilesImporter([&](const QVariantMap& document) { seenByImporter = document; });
    QVariantMap preferences = korvel::KVBrowserPrefSettings::init().toDictionary();
    preferences.remove(QStringLiteral("Port"));
    const QVariantMap document{
        {QStringLiteral("AllowedWebsites"),
         QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://only.example/")}}}},
        {QStringLiteral("BrowserPreferences"), preferences},
        {QStringLiteral("Files"), QVariantList{}},
    };
    ASSERT_TRUE(settings.loadSettings(document));

    ASSERT_EQ(settings.allowedWebsites.size(), 1);
    EXPECT_EQ(settings.allowedWebsites[0].url, QStringLiteral("http://only.example/"));
    EXPECT_TRUE(settings.allowedWebsitesCategories.isEmpty()) << "importing replaces, it never merges";
    EXPECT_TRUE(settings.blockedWebsites.isEmpty());
    EXPECT_TRUE(settings.arrDownloadHistory.isEmpty());
    EXPECT_EQ(settings.kvBrowPref.port, 0) << "a key missing from the document reads as zero";
    EXPECT_EQ(settings.kvAutoImport, korvel::KVAutoImportSettings::init());
    EXPECT_EQ(seenByImporter, document);

    const QVariantMap stored = storedFile();
    EXPECT_EQ(stored.value(QStringLiteral("BrowserPreferences")).toMap().value(QStringLiteral("Port")), qint64(0));
    EXPECT_EQ(stored.value(QStringLiteral("BlockedWebsites")).toList().size(), 0);

    settings.load();
    EXPECT_EQ(settings.kvBrowPref.port, 0) << "stored as 0, which is a value the repair keeps";
}

TEST_F(SettingsStoreTest, LoadRepairsStoredPreferencesExceptOnTheFirstLoad)
{
    UserDefaults::standard().setObject(QStringLiteral("BrowserPreferences"),
                                       QVariantMap{{QStringLiteral("HideMenu"), true}});
    KVSettings& settings = KVSettings::getSettingsObject();
    EXPECT_EQ(settings.kvBrowPref.countOfTabs, 0) << "the first load reads the dictionary as it is";
    EXPECT_FALSE(settings.kvBrowPref.enableMenu);
    settings.load();
    EXPECT_EQ(settings.kvBrowPref.countOfTabs, 8);
    EXPECT_FALSE(settings.kvBrowPref.enableMenu);
    EXPECT_FALSE(UserDefaults::standard().dictionaryForKey(QStringLiteral("BrowserPreferences")).contains(QStringLiteral("HideMenu")));
}

// The fingerprint names the configuration, not the device: the device-information entry is left
// out, and any change of a setting changes it.
TEST_F(SettingsStoreTest, TheFingerprintFollowsTheSettingsNotTheDevice)
{
    using korvel::SettingsFingerprint::of;
    KVSettings& settings = KVSettings::getSettingsObject();
    fill(settings);
    ASSERT_TRUE(settings.save());
    const QVariantMap stored = UserDefaults::standard().applicationDomain();
    const QString fingerprint = of(stored);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{64}$")).match(fingerprint).hasMatch()) << qPrintable(fingerprint);

    QVariantMap otherDevice = stored;
    otherDevice.insert(QStringLiteral("Korvel"), QVariantMap{{QStringLiteral("Device Model"), QStringLiteral("Another Panel")}});
    EXPECT_EQ(of(otherDevice), fingerprint);

    settings.kvBrowPref.port = 9091;
    ASSERT_TRUE(settings.save());
    EXPECT_NE(of(UserDefaults::standard().applicationDomain()), fingerprint);
}
