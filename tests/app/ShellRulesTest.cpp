#include "browser/AdminTapGesture.h"
#include "app/ExternalURL.h"
#include "app/KVAppDelegate.h"
#include "app/SchemeHandler.h"
#include "app/SystemWatch.h"
#include "browser/LocationManager.h"
#include "browser/MotionDetector.h"
#include "files/KVServerStarter.h"
#include "log/KVLogger.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "tests/support/EventLoop.h"
#include "transfer/ManagedConfiguration.h"
#include "tests/support/TestHome.h"
#include "settings/KVBrowserPrefSettings.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimeZone>

#include <functional>

#include <gtest/gtest.h>
#include <httplib.h>

using namespace korvel;

namespace {

const QDateTime start(QDate(2026, 12, 6), QTime(8, 0), Qt::UTC);

// Runs taps at the given offsets (ms after `first`) and returns the outcome of each.
QList<TapOutcome> taps(const QList<int>& offsets, const KVBrowserPrefSettings& p, const QDateTime& first, bool welcome = false)
{
    TapSeries series;
    QList<TapOutcome> outcomes;
    for (int ms : offsets) {
        const QDateTime now = first.addMSecs(ms);
        outcomes << (welcome ? AdminTapGesture::tapWelcome(series, now) : AdminTapGesture::tap(series, now, start, p));
    }
    return outcomes;
}

constexpr TapOutcome C = TapOutcome::Counted;
constexpr TapOutcome G = TapOutcome::Granted;
constexpr TapOutcome R = TapOutcome::Refused;

}  // namespace

TEST(AdminTapGesture, SeriesOnTheWelcomeScreenTheHomeScreenAndTheBrowser)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    KVBrowserPrefSettings three = p;
    three.numberTaps = 3;
    KVBrowserPrefSettings restricted = p;
    restricted.restrictSettings = true;
    restricted.passwordTimeout = 1;
    const struct {
        const char* name;
        QList<int> offsets;
        const KVBrowserPrefSettings* preferences;
        int secondsAfterStart;
        QList<TapOutcome> expected;
        bool welcome = false;
    } cases[] = {
        {"five taps within 1.5 s", {0, 300, 700, 1100, 1500}, &p, 10, {C, C, C, C, G}},
        {"five taps over 2.5 s", {0, 600, 1200, 1800, 2500}, &p, 10, {C, C, C, C, C}},
        {"the series counts from its first tap", {0, 1900, 2000, 2100, 2200}, &p, 10, {C, C, C, C, C}},
        {"three taps configured", {0, 500, 900}, &three, 10, {C, C, G}},
        {"restricted, 30 s after start", {0, 300, 600, 900, 1200}, &restricted, 30, {C, C, C, C, G}},
        {"restricted, 90 s after start", {0, 300, 600, 900, 1200, 1400}, &restricted, 90, {C, C, C, C, R, R}},
        {"after a grant a new series begins", {0, 100, 200, 300, 400, 500, 600, 700, 800, 900}, &p, 10,
         {C, C, C, C, G, C, C, C, C, G}},
        {"welcome: six taps within 3 s", {0, 400, 800, 1200, 1600, 2000}, &p, 0, {C, C, C, C, C, G}, true},
        {"welcome: the sixth tap 3 s after the first", {0, 600, 1200, 1800, 2400, 3000}, &p, 0, {C, C, C, C, C, C}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(taps(c.offsets, *c.preferences, start.addSecs(c.secondsAfterStart), c.welcome), c.expected) << c.name;
}

TEST(ExternalURL, OnlyTheProgramsSchemeWithATargetAndAllowedWebsites)
{
    const struct {
        const char* opened;
        bool anyAllowed;
        const char* target;  // nullptr: none
    } cases[] = {
        {"korvel://shop.example.com/page", true, "shop.example.com/page"},
        {"korvel://https://shop.example.com/", true, "https://shop.example.com/"},
        {"korvel://", true, nullptr},
        {"korvel:", true, nullptr},
        {"korvel://shop.example.com/page", false, nullptr},
        {"other://shop.example.com/", true, nullptr},
        {"https://shop.example.com/", true, nullptr},
    };
    for (const auto& c : cases) {
        const std::optional<QUrl> target = ExternalURL::target(QString::fromLatin1(c.opened), c.anyAllowed);
        EXPECT_EQ(target.has_value(), c.target != nullptr) << c.opened;
        if (target && c.target) {
            EXPECT_EQ(target->toString(), QString::fromLatin1(c.target)) << c.opened;
        }
    }
}

namespace {
class LifecycleTest : public korvel::test::TestHome {};
}  // namespace

TEST_F(LifecycleTest, LeavingTheForegroundEndsTheVisitToTheSettings)
{
    KVLogger::createDatabase_Tables();
    KVAppDelegate delegate;
    int returned = 0;
    int dismissed = 0;
    delegate.returnToRoot = [&] { ++returned; };
    delegate.dismissVisibleAlert = [&] { ++dismissed; };

    delegate.applicationDidEnterBackground();
    EXPECT_EQ(returned, 0) << "outside the settings the screens stay";
    delegate.state = 1;
    delegate.applicationDidEnterBackground();
    EXPECT_EQ(returned, 1);
    EXPECT_EQ(dismissed, 2);
    delegate.applicationWillEnterForeground();
    // The second time within the minute is counted on the line after the first.
    EXPECT_EQ(loggedEvents(QStringLiteral("App General")), (QStringList{QStringLiteral("Application Entered Background"),
                                                                        QStringLiteral("Application Entered Background ... repeated 1 times"),
                                                                        QStringLiteral("Application Entered Foreground")}));
}

TEST_F(LifecycleTest, TheUploadServerRunsOnlyInTheForegroundWithItsSwitchOn)
{
    KVLogger::createDatabase_Tables();
    KVServerStarter server(documents(), {}, {});
    ASSERT_TRUE(server.startServerConnectionWith(0));
    const int port = server.getPortNumber();
    server.stopServerConnection();

    KVAppDelegate delegate;
    delegate.kvSettings = &KVSettings::getSettingsObject();
    delegate.kvServer = &server;
    // Saved, as the settings screens save: the return to the foreground reloads the store.
    delegate.kvSettings->kvBrowPref.port = port;
    delegate.kvSettings->save();
    delegate.applicationWillEnterForeground();
    EXPECT_FALSE(server.isServerRunning()) << "switched off";

    delegate.kvSettings->kvBrowPref.serverSwitchOnOFF = true;
    delegate.kvSettings->kvBrowPref.uploadAccessCode = QStringLiteral("2468");
    delegate.kvSettings->save();
    delegate.applicationWillEnterForeground();
    EXPECT_TRUE(server.isServerRunning());
    EXPECT_EQ(server.getPortNumber(), port);
    const auto unasked = httplib::Client("127.0.0.1", port).Get("/files");
    ASSERT_TRUE(unasked);
    EXPECT_EQ(unasked->status, 401) << "the server asks for the preference's access code";
    delegate.applicationDidEnterBackground();
    EXPECT_FALSE(server.isServerRunning());
    const QStringList logged = loggedEvents(QStringLiteral("App General"));
    EXPECT_TRUE(logged.contains(QStringLiteral("Server running successfullly Yes")));
    EXPECT_TRUE(logged.contains(QStringLiteral("Application Entered Background and server is stoped now")));

    // A port someone else holds: reported, and launch goes on.
    KVServerStarter other(documents(), {}, {});
    ASSERT_TRUE(other.startServerConnectionWith(port));
    delegate.applicationWillEnterForeground();
    EXPECT_FALSE(server.isServerRunning());
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("Server running successfullly No")));
}

// Whoever changes the stored settings (a screen, an import, korvelctl through the running kiosk),
// the running upload server follows at once, without a restart or a return to the foreground.
TEST_F(LifecycleTest, TheUploadServerFollowsTheStoredSettingsAtOnce)
{
    KVLogger::createDatabase_Tables();
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/feed/config.xml"), "settings"));
    KVServerStarter server(documents(), {}, {});
    KVAppDelegate delegate;
    KVSettings& settings = KVSettings::getSettingsObject();
    delegate.kvSettings = &settings;
    delegate.kvServer = &server;
    settings.kvBrowPref.serverSwitchOnOFF = true;
    settings.kvBrowPref.port = 0;  // any free port
    settings.save();
    delegate.followServerSettings();
    delegate.startServerIfSwitchedOn();
    const int port = server.getPortNumber();
    ASSERT_GT(port, 0);
    const auto status = [port](const char* path, const char* code) {
        const httplib::Headers sent = code ? httplib::Headers{{"X-Access-Code", code}} : httplib::Headers{};
        const auto result = httplib::Client("127.0.0.1", port).Get(path, sent);
        return result ? result->status : -1;
    };
    const auto saved = [&](const std::function<void()>& change) {
        change();
        ASSERT_TRUE(settings.save());
        QCoreApplication::processEvents();
    };
    EXPECT_EQ(status("/files", nullptr), 200);
    saved([&] { settings.kvBrowPref.uploadAccessCode = QStringLiteral("1357"); });
    EXPECT_EQ(status("/files", nullptr), 401);
    EXPECT_EQ(status("/files", "1357"), 200);
    saved([&] {
        settings.kvBrowPref.uploadAccessCode.clear();
        settings.kvAutoImport.fileAutoImport = QStringLiteral("feed/config.xml");
    });
    EXPECT_EQ(status("/files", nullptr), 200);
    EXPECT_EQ(status("/Documents/feed/config.xml", nullptr), 403) << "the automatic import's file is a settings document";
    saved([&] { settings.kvBrowPref.uploadServerTLS = true; });
    EXPECT_TRUE(server.isServingTls());
    EXPECT_EQ(server.getPortNumber(), port);
}

TEST_F(LifecycleTest, MemoryTimeFocusAndTermination)
{
    KVLogger::createDatabase_Tables();
    KVAppDelegate delegate;
    QStringList seen;
    delegate.clearBrowserCache = [&] {
        seen << QStringLiteral("cleared");
        EXPECT_TRUE(loggedEvents(QStringLiteral("Warning")).isEmpty());
    };
    delegate.powerSaverModeSwitch = [&] { seen << QStringLiteral("schedule"); };
    delegate.powerStateOff = [&] { seen << QStringLiteral("power"); };
    delegate.applicationDidReceiveMemoryWarning();
    delegate.applicationSignificantTimeChange();
    // Dimmed since the launch; losing the focus brings back the launch's brightness.
    delegate.screenBrightness = 0.8;
    device.brightness = 0.1;
    delegate.applicationWillResignActive();
    EXPECT_EQ(device.brightness, 0.8);
    delegate.applicationWillTerminate();
    EXPECT_EQ(seen, (QStringList{"cleared", "schedule", "power"}));
    EXPECT_EQ(loggedEvents(QStringLiteral("Warning")), QStringList{QStringLiteral("Application recieved Memory Warning")});
}

TEST_F(LifecycleTest, TheMotionLockFollowsTheDetectorOnCellularDevicesOnly)
{
    const auto moving = [](double speed) {
        QGeoPositionInfo location;
        location.setAttribute(QGeoPositionInfo::GroundSpeed, speed);
        LocationManager::sharedInstance().locationUpdated(location);
    };
    for (const bool cellular : {false, true}) {
        device.cellular = cellular;
        settings().kvBrowPref.enableDrivingMode = true;
        settings().kvBrowPref.motionType = 0;  // walking
        KVAppDelegate delegate;
        MotionDetector detector;
        delegate.motionDetector = &detector;
        QList<bool> overlay;
        delegate.showDrivingModeView = [&](bool shown) { overlay << shown; };
        delegate.startActivityUpdates();
        EXPECT_EQ(detector.isDetecting(), cellular);
        moving(1.0);  // walking
        test::processEventsUntil([&] { return !overlay.isEmpty(); }, cellular ? 5000 : 200);
        moving(8.0);  // driving keeps the lock
        moving(0.1);  // at rest
        test::processEventsUntil([&] { return overlay.size() >= 2; }, cellular ? 5000 : 200);
        EXPECT_EQ(overlay, cellular ? (QList<bool>{true, false}) : QList<bool>{}) << cellular;
        EXPECT_FALSE(delegate.isDrivingViewAdded);
        delegate.applicationDidEnterBackground();
        EXPECT_FALSE(detector.isDetecting()) << "never in the background";
    }
}

// An import that turns the lock off while it is armed (and showing) disarms it at once.
TEST_F(LifecycleTest, TurningTheMotionLockOffDisarmsIt)
{
    device.cellular = true;
    settings().kvBrowPref.enableDrivingMode = true;
    settings().kvBrowPref.motionType = 0;  // walking
    KVAppDelegate delegate;
    MotionDetector detector;
    delegate.motionDetector = &detector;
    QList<bool> overlay;
    delegate.showDrivingModeView = [&](bool shown) { overlay << shown; };
    delegate.startActivityUpdates();
    QGeoPositionInfo walking;
    walking.setAttribute(QGeoPositionInfo::GroundSpeed, 1.0);
    LocationManager::sharedInstance().locationUpdated(walking);
    ASSERT_TRUE(test::processEventsUntil([&] { return !overlay.isEmpty(); }, 5000));
    settings().kvBrowPref.enableDrivingMode = false;
    delegate.checkForMotionActivity();
    EXPECT_FALSE(detector.isDetecting());
    EXPECT_EQ(overlay, (QList<bool>{true, false}));
    EXPECT_FALSE(delegate.isDrivingViewAdded);
}

TEST(SystemWatch, MemoryPressureWarnsOnceUntilMemoryRecovers)
{
    EXPECT_EQ(MemoryPressure::availableShare("MemTotal:  1000 kB\nMemFree: 10 kB\nMemAvailable:  250 kB\n"), 0.25);
    EXPECT_FALSE(MemoryPressure::availableShare("MemTotal:  1000 kB\nMemFree: 10 kB\n"));
    EXPECT_FALSE(MemoryPressure::availableShare("MemTotal: 0 kB\nMemAvailable: 0 kB\n"));
    EXPECT_FALSE(MemoryPressure::availableShare("MemTotal: lots\nMemAvailable: 1 kB\n"));

    MemoryPressure pressure;
    const struct {
        double share;
        bool warns;
    } readings[] = {{0.5, false}, {0.09, true}, {0.05, false}, {0.15, false}, {0.08, false},
                    {0.21, false}, {0.099, true}, {0.3, false}};
    for (const auto& r : readings)
        EXPECT_EQ(pressure.update(r.share), r.warns) << r.share;
}

TEST(SystemWatch, SignificantTimeChanges)
{
    const QDateTime evening(QDate(2026, 12, 6), QTime(23, 59, 50), QTimeZone(3600));
    const struct {
        QDateTime wall;
        qint64 steadyMs;
        bool significant;
        const char* what;
    } readings[] = {
        {evening, 0, false, "the baseline"},
        {evening.addSecs(5), 5000, false, "time passing"},
        {evening.addSecs(6), 7500, false, "a reading a little late"},
        {evening.addSecs(12), 12000, true, "midnight"},
        {evening.addSecs(22), 22000, false, "the next reading"},
        {evening.addSecs(3600), 32000, true, "the clock set forward"},
        {evening.addSecs(3590), 42000, true, "the clock set back"},
        {evening.addSecs(3600).toOffsetFromUtc(7200), 52000, true, "another time zone"},
    };
    TimeChange change;
    for (const auto& r : readings)
        EXPECT_EQ(change.update(r.wall, r.steadyMs), r.significant) << r.what;
}

TEST(SchemeHandler, ExecLineQuotesWhatALauncherWouldSplitOrExpand)
{
    struct Case {
        QStringList command;
        const char* exec;
    } cases[] = {
        {{"/usr/bin/korvel"}, "Exec=/usr/bin/korvel %u\n"},
        {{"/opt/my kiosk/korvel", "--home", "/srv/k"}, "Exec=\"/opt/my kiosk/korvel\" --home /srv/k %u\n"},
        {{"/k/korvel", "--home", "/h/$HOME\"100%"}, "Exec=/k/korvel --home \"/h/\\\\$HOME\\\\\"100%%\" %u\n"},
    };
    for (const Case& c : cases) {
        const QString entry = SchemeHandler::desktopEntry(c.command);
        EXPECT_TRUE(entry.contains(QString::fromUtf8(c.exec))) << qPrintable(entry);
        EXPECT_TRUE(entry.contains(QStringLiteral("MimeType=x-scheme-handler/korvel;\n")));
    }
}

TEST(SchemeHandler, MimeappsListKeepsEverythingElse)
{
    const QString line = QStringLiteral("x-scheme-handler/korvel=korvel.desktop");
    struct Case {
        QString before;
        QString after;
    } cases[] = {
        {QString(), "[Default Applications]\n" + line + "\n"},
        {"[Added Associations]\ntext/html=firefox.desktop\n",
         "[Added Associations]\ntext/html=firefox.desktop\n\n[Default Applications]\n" + line + "\n"},
        {"[Default Applications]\ntext/html=firefox.desktop\n[Removed Associations]\nx=y\n",
         "[Default Applications]\n" + line + "\ntext/html=firefox.desktop\n[Removed Associations]\nx=y\n"},
        {"[Default Applications]\nx-scheme-handler/korvel = other.desktop\ntext/html=a.desktop",
         "[Default Applications]\n" + line + "\ntext/html=a.desktop\n"},
        // The key in another section is not the default.
        {"[Added Associations]\nx-scheme-handler/korvel=other.desktop\n",
         "[Added Associations]\nx-scheme-handler/korvel=other.desktop\n\n[Default Applications]\n" + line + "\n"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SchemeHandler::withDefaultHandler(c.before), c.after) << qPrintable(c.before);
}

TEST(SchemeHandler, RegistrationReportsAFolderItCannotMake)
{
    // What a launch registers is the launch test's; here, a file where the folder should be.
    QTemporaryDir dir;
    const QStringList command{QStringLiteral("/usr/bin/korvel")};
    QString error;
    ASSERT_TRUE(test::writeFile(dir.path() + "/blocked"));
    EXPECT_FALSE(SchemeHandler::registerHandler(dir.path() + "/blocked", dir.path() + "/config", command, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("blocked"))) << qPrintable(error);
}

// Settings pushed by device management: each new text is taken once, a broken one never touches
// the settings (and is not tried again), a CDATA wrapper is a new text with the same settings.
TEST_F(LifecycleTest, ManagedSettingsAreTakenOnceWhenNew)
{
    KVLogger::createDatabase_Tables();
    const QString managed = Paths::managedConfigurationFile();
    QDir().mkpath(QFileInfo(managed).absolutePath());
    KVAppDelegate delegate;
    int messages = 0;
    int rebuilt = 0;
    delegate.showMessage = [&](const QString& text, int seconds) {
        EXPECT_EQ(text, QStringLiteral("Settings Received From MDM..."));
        EXPECT_EQ(seconds, 2);
        ++messages;
    };
    delegate.rebuildVisibleScreen = [&] { ++rebuilt; };
    const auto document = [](const QString& title, const QVariant& websites = {}) {
        QVariantMap site{{QStringLiteral("URL"), QStringLiteral("https://a.test")}, {QStringLiteral("Title"), title}};
        return QString::fromUtf8(PropertyList::toXml(QVariantMap{
            {QStringLiteral("AllowedWebsites"), websites.isValid() ? websites : QVariantList{site}},
            {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Port"), qint64(9090)}}}}));
    };
    const QString plain = document(QStringLiteral("Town hall"));
    const struct {
        const char* what;
        QString text;
        int messages;      // after this step, in total
        QString title;     // of the first allowed website afterwards
    } steps[] = {
        {"a new document", plain, 1, QStringLiteral("Town hall")},
        {"the same again", plain, 1, QStringLiteral("Town hall")},
        {"wrapped", QStringLiteral("<![CDATA[\n") + plain + QStringLiteral("]]>"), 2, QStringLiteral("Town hall")},
        // A Korvel export pushed as it is: its "&amp;" stands for "&", and is read so.
        {"an escaped ampersand", document(QStringLiteral("?a=1&b=2")), 3, QStringLiteral("?a=1&b=2")},
        // Hand-written text with bare ampersands does not parse as it stands: they are escaped.
        {"a raw ampersand", document(QStringLiteral("Bus & tram")).replace(QStringLiteral("&amp;"), QStringLiteral("&")), 4, QStringLiteral("Bus & tram")},
        {"not a property list", QStringLiteral("<plist><dict><key>Allowed"), 4, QStringLiteral("Bus & tram")},
        {"a list of the wrong type", document(QStringLiteral("x"), QStringLiteral("everything")), 4, QStringLiteral("Bus & tram")},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.what);
        ASSERT_TRUE(korvel::test::writeFile(managed, PropertyList::toXml(QVariantMap{{QStringLiteral("SettingsXML"), step.text}})));
        ASSERT_TRUE(korvel::test::processEventsUntil([&] {
            return UserDefaults::standard().dictionaryForKey(QLatin1String(UserDefaults::managedKey)).value(QStringLiteral("SettingsXML")) == step.text;
        }));
        delegate.defaultsChanged();
        EXPECT_EQ(messages, step.messages);
        EXPECT_EQ(rebuilt, step.messages);
        ASSERT_FALSE(settings().allowedWebsites.isEmpty());
        EXPECT_EQ(settings().allowedWebsites.first().title, step.title);
        EXPECT_EQ(settings().kvBrowPref.port, 9090);
        EXPECT_EQ(UserDefaults::standard().objectForKey(QStringLiteral("mdmConfChecksum")).toString(),
                  ManagedConfiguration::checksum(step.text));
    }
    // Each refused text is logged once, however often the store changes afterwards.
    delegate.defaultsChanged();
    EXPECT_EQ(loggedEvents(QStringLiteral("Import")).filter(QStringLiteral("refused")).size(), 2);

    // A new document while the administrator is in the settings waits until they close.
    delegate.settingsOpened();
    const QString waiting = document(QStringLiteral("Museum"));
    ASSERT_TRUE(korvel::test::writeFile(managed, PropertyList::toXml(QVariantMap{{QStringLiteral("SettingsXML"), waiting}})));
    ASSERT_TRUE(korvel::test::processEventsUntil([&] {
        return UserDefaults::standard().dictionaryForKey(QLatin1String(UserDefaults::managedKey)).value(QStringLiteral("SettingsXML")) == waiting;
    }));
    delegate.defaultsChanged();
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("Bus & tram"));
    delegate.settingsClosed();
    EXPECT_EQ(settings().allowedWebsites.first().title, QStringLiteral("Museum"));
}
