#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"
#include "settings/SettingsFingerprint.h"
#include "settings/PasswordStore.h"
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

// A store written by an older version lacks keys: the very first load of a start reads them as
// their factory values too (read as zero, "NumberOfTaps" 0 opened the prompt on any tap).
TEST_F(SettingsStoreTest, AStoreWithoutSomeKeysLoadsThemAsFactoryValuesFromTheFirstLoad)
{
    UserDefaults::standard().setObject(QStringLiteral("BrowserPreferences"),
                                       QVariantMap{{QStringLiteral("HideMenu"), true}, {QStringLiteral("IdleTimeout"), 0}});
    KVSettings& settings = KVSettings::getSettingsObject();
    EXPECT_EQ(settings.kvBrowPref.numberTaps, 5);
    EXPECT_EQ(settings.kvBrowPref.countOfTabs, 8);
    EXPECT_TRUE(settings.kvBrowPref.enableToolBar);
    EXPECT_TRUE(settings.kvBrowPref.fullScreen);
    EXPECT_FALSE(settings.kvBrowPref.enableMenu);
    EXPECT_EQ(settings.kvBrowPref.idleTimeout, 0) << "a stored value stays as stored";
    settings.load();
    EXPECT_EQ(settings.kvBrowPref.numberTaps, 5);
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
