#include "app/KVAppDelegate.h"
#include "control/HomeLock.h"
#include "platform/Paths.h"
#include "platform/PropertyList.h"
#include "platform/UserDefaults.h"
#include "settings/KVHashString.h"
#include "settings/KVSettings.h"
#include "settings/PasswordStore.h"
#include "tests/support/EventLoop.h"
#include "tests/cli/KorvelctlProcess.h"
#include "transfer/ImportExport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <csignal>
#include <unistd.h>

using korvel::KVAppDelegate;
using korvel::PropertyList;
using korvel::PasswordStore;

namespace {

const QStringList storeKeys = {QStringLiteral("AllowedWebsites"), QStringLiteral("AllowedWebsitesCategory"),
                               QStringLiteral("BlockedWebsites"), QStringLiteral("DownloadHistory"),
                               QStringLiteral("BrowserPreferences"), QStringLiteral("AutoImport")};

class LaunchTest : public korvel::test::KorvelctlProcess {
protected:
    QString bin(const char* name) const { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name); }
    QVariantMap stored() const { return PropertyList::readFile(home() + QStringLiteral("/defaults.plist")).value.toMap(); }

    // Starts korvel on this home, waits until its launch has written the store, then stops it
    // with `signalNumber`. Returns the exit code, or -1 when it did not end normally. A store
    // that is there already is kept when `fresh` is false (its first start then marks it).
    int launchAndStop(int signalNumber, bool fresh = true)
    {
        // The store appears only once the launch wrote it, and by then the stop signals are handled.
        if (fresh)
            QFile::remove(home() + QStringLiteral("/defaults.plist"));
        QProcess korvel;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        // The started kiosk probes this machine, never a host outside it.
        env.insert(QStringLiteral("KORVEL_REACHABILITY_HOST"), QStringLiteral("127.0.0.1"));
        // The scheme registration lands in this home, not in the desktop of whoever runs the tests.
        env.insert(QStringLiteral("XDG_DATA_HOME"), home() + QStringLiteral("/xdg-data"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/xdg-config"));
        // The engine refuses to start its sandbox as root and ends the process; a start page that
        // loads before the stop signal would otherwise decide the exit code.
        if (::geteuid() == 0)
            env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
        korvel.setProcessEnvironment(env);
        korvel.start(bin("korvel"), {QStringLiteral("--home"), home()});
        if (!korvel.waitForStarted(5000))
            return -1;
        const bool launched = korvel::test::processEventsUntil([&] {
            const QVariantMap s = stored();
            return s.contains(QLatin1String(KVAppDelegate::firstTimeInstalledKey))
                   && std::all_of(storeKeys.begin(), storeKeys.end(), [&](const QString& k) { return s.contains(k); });
        }, 20000);
        ::kill(static_cast<pid_t>(korvel.processId()), signalNumber);
        if (!launched || !korvel.waitForFinished(10000) || korvel.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "launched " << launched << ", state " << korvel.state() << ", exit status "
                          << korvel.exitStatus() << " code " << korvel.exitCode() << ": " << korvel.readAllStandardError().constData();
            return -1;
        }
        return korvel.exitCode();
    }
};

}  // namespace

TEST_F(LaunchTest, FirstLaunchLeavesACompleteStoreAndTheFactoryPassword)
{
    KVAppDelegate delegate;
    EXPECT_TRUE(delegate.didFinishLaunching());
    EXPECT_EQ(KVAppDelegate::getAppDelegate(), &delegate);
    EXPECT_EQ(delegate.screenBrightness, device.brightness);

    const QVariantMap s = stored();
    for (const QString& key : storeKeys)
        EXPECT_TRUE(s.contains(key)) << qPrintable(key);
    EXPECT_EQ(s.value(QStringLiteral("FirstTimeInstalled")), QStringLiteral("App Already Install.."));
    EXPECT_EQ(size_t(s.value(QStringLiteral("BrowserPreferences")).toMap().size()), korvel::KVBrowserPrefSettings::fields().size());
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("9246")), korvel::PasswordCheck::Matches);
    EXPECT_TRUE(korvel::KVHashString::isPasswordHash(PasswordStore::getPassword()));

    // A document taken whole (the managed configuration) brings its embedded files along.
    const QVariantMap file{{QStringLiteral("FileName"), QStringLiteral("managed/icon.png")},
                           {QStringLiteral("FileData"), QStringLiteral("bWFuYWdlZA==")}};
    ASSERT_TRUE(korvel::ImportExport::replaceSettings({{QStringLiteral("Files"), QVariantList{file}}},
                                                      {korvel::DocumentSource::Kind::Managed, QStringLiteral("managed.plist")}));
    EXPECT_EQ(korvel::test::readFile(documents() + QStringLiteral("/managed/icon.png")), "managed");
}

TEST_F(LaunchTest, LaterLaunchesLeaveAChangedPasswordAlone)
{
    {
        KVAppDelegate first;
        first.didFinishLaunching();
    }
    ASSERT_TRUE(PasswordStore::setPassword(QStringLiteral("s3cret")));
    restart();
    KVAppDelegate second;
    second.didFinishLaunching();
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("s3cret")), korvel::PasswordCheck::Matches);
}

// The provisioning order of the README: websites and the password with korvelctl, then the first
// start. The first start must not put the factory password back, and says what it did.
TEST_F(LaunchTest, TheFirstStartKeepsAPasswordSetBeforeIt)
{
    ok({"sites", "add", "https://www.example.org/", "--title", "Start", "--startup"});
    ASSERT_EQ(ctl({QStringLiteral("password"), QStringLiteral("set")}, "Provis1on!\n").status, 0);
    // What writes a power cut interrupted left behind goes at the start; what merely looks alike stays.
    const QStringList leftovers{home() + QStringLiteral("/.defaults.plist.tmp-3k9x"), documents() + QStringLiteral("/inbox/.a.pdf.tmp-77")};
    const QString lookalike = documents() + QStringLiteral("/report.tmp-abc");
    for (const QString& path : leftovers + QStringList{lookalike})
        ASSERT_TRUE(korvel::test::writeFile(path, "half"));
    ASSERT_EQ(launchAndStop(SIGTERM, false), 0);
    for (const QString& path : leftovers)
        EXPECT_FALSE(QFileInfo::exists(path)) << qPrintable(path);
    EXPECT_TRUE(QFileInfo::exists(lookalike));
    EXPECT_TRUE(ok({"log", "--category", "App General"}).contains(QStringLiteral("Removed 2 temporary files of writes a stop interrupted")));
    EXPECT_EQ(ctl({QStringLiteral("password"), QStringLiteral("check")}, "Provis1on!\n").status, 0);
    EXPECT_EQ(ctl({QStringLiteral("password"), QStringLiteral("check")}, "9246\n").status, 1);
    EXPECT_TRUE(ok({"log", "--category", "App General"}).contains(QStringLiteral("First start: the administrator password stored before is kept")));
    EXPECT_TRUE(ok({"sites", "list"}).contains(QStringLiteral("https://www.example.org/")));
}

// A Korvel that finds the home's lock taken (by a Korvel that could not take its address, or by a
// korvelctl that does not let go) ends without writing anything: never two writers of one home.
TEST_F(LaunchTest, ASecondKorvelOnTheSameHomeNeverWrites)
{
    korvel::HomeLock held(korvel::Paths::lockFile());
    ASSERT_TRUE(held.tryLock());
    QProcess korvel;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    korvel.setProcessEnvironment(env);
    korvel.start(bin("korvel"), {QStringLiteral("--home"), home()});
    ASSERT_TRUE(korvel.waitForFinished(20000));
    EXPECT_EQ(korvel.exitCode(), 1);
    EXPECT_TRUE(korvel.readAllStandardError().contains("another Korvel runs on this home"));
    EXPECT_FALSE(QFileInfo::exists(korvel::Paths::defaultsFile()));
}

// A kiosk runs as a service: the system's stop signals end it cleanly.
TEST_F(LaunchTest, KorvelStopsCleanlyOnTermAndInterrupt)
{
    for (int signalNumber : {SIGTERM, SIGINT}) {
        EXPECT_EQ(launchAndStop(signalNumber), 0) << "signal " << signalNumber;
        EXPECT_EQ(ok({"pref", "get", "Port"}), QStringLiteral("8080\n"));
    }
    // The launch made korvel the handler of its scheme, for this very home.
    const QByteArray text = korvel::test::readFile(home() + QStringLiteral("/xdg-data/applications/korvel.desktop"));
    EXPECT_TRUE(text.contains("MimeType=x-scheme-handler/korvel;")) << text.constData();
    EXPECT_TRUE(text.contains(("--home " + home() + " %u").toUtf8())) << text.constData();
    EXPECT_EQ(korvel::test::readFile(home() + QStringLiteral("/xdg-config/mimeapps.list")),
              "[Default Applications]\nx-scheme-handler/korvel=korvel.desktop\n");
}

TEST_F(LaunchTest, EveryLaunchReplacesTheHomePageFiles)
{
    const QString page = documents() + QStringLiteral("/homeWebPage.html");
    {
        KVAppDelegate first;
        first.didFinishLaunching();
    }
    for (const QString& name : KVAppDelegate::homeWebPageResources())
        EXPECT_TRUE(QFileInfo(documents() + QLatin1Char('/') + name).size() > 0) << qPrintable(name);
    ASSERT_TRUE(korvel::test::writeFile(page, "changed by someone"));
    restart();
    KVAppDelegate second;
    second.didFinishLaunching();
    EXPECT_TRUE(korvel::test::readFile(page).contains("<title>Home</title>")) << "the installed version comes back";
}

// The shipped example of a managed configuration configures websites and preferences and leaves
// the password that the administrator set alone.
TEST_F(LaunchTest, TheManagedExampleCarriesNoPassword)
{
    const QVariantMap managed = PropertyList::readFile(QStringLiteral(KORVEL_SOURCE_DIR "/packaging/managed.plist.example")).value.toMap();
    QString text = managed.value(QStringLiteral("SettingsXML")).toString().trimmed();
    const QVariantMap document = PropertyList::parse(text.toUtf8()).value.toMap();
    ASSERT_FALSE(document.value(QStringLiteral("AllowedWebsites")).toList().isEmpty()) << qPrintable(text);
    EXPECT_FALSE(document.value(QStringLiteral("BrowserPreferences")).toMap().contains(QStringLiteral("Password")));

    ASSERT_TRUE(PasswordStore::setPassword(QStringLiteral("s3cret")));
    const korvel::ImportOutcome outcome
        = korvel::ImportExport::replaceSettings(document, {korvel::DocumentSource::Kind::Managed, QStringLiteral("managed.plist")});
    ASSERT_TRUE(outcome) << qPrintable(outcome.reason);
    EXPECT_EQ(PasswordStore::checkPassword(QStringLiteral("s3cret")), korvel::PasswordCheck::Matches);
}
