#include "tests/cli/KorvelctlProcess.h"
#include "settings/KVSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <sys/stat.h>
#include <unistd.h>

using korvel::DownloadHistoryParam;
using korvel::KVBrowserPrefSettings;
using korvel::KVSettings;
using korvel::test::CtlRun;

namespace {
class KorvelctlTest : public korvel::test::KorvelctlProcess {};
}  // namespace

TEST_F(KorvelctlTest, SetValuesReadBackTyped)
{
    const struct {
        const char* key;
        const char* value;
        const char* shown;
    } cases[] = {
        {"IdleTimeout", "30", "30"},
        {"Port", "1025", "1025"},
        {"CopyPaste", "false", "false"},
        {"AllowAllWebsites", "yes", "true"},
        {"StrBlockedKeyWord", "casino, poker", "casino, poker"},
        {"Wallpaper", "", ""},
        {"Brightness", "0.3", "0.3"},
        {"StartTime", "9:05 pm", "09:05 PM"},
        {"DaySelected", "Mon, Fri", "Mon,Fri"},
        {"DaySelected", "", ""},
        {"BrowserOrientation", "landscape", "1"},
    };
    for (const auto& c : cases) {
        const CtlRun set = ctl({QStringLiteral("pref"), QStringLiteral("set"), QLatin1String(c.key), QString::fromUtf8(c.value)});
        ASSERT_EQ(set.status, 0) << c.key << ": " << qPrintable(set.err);
        const CtlRun get = ctl({QStringLiteral("pref"), QStringLiteral("get"), QLatin1String(c.key)});
        EXPECT_EQ(get.out, QString::fromUtf8(c.shown) + QLatin1Char('\n')) << c.key;
    }
    // The schema the refusals come from, as an administrator reads it.
    const QString schema = ok({"pref", "list", "--describe"});
    EXPECT_TRUE(schema.contains(QStringLiteral("\nMotionType: 32-bit integer, default \"0\", from 0 to 2, named 0 Walking, 1 Running, 2 Automotive. The motion")));
    EXPECT_TRUE(schema.contains(QStringLiteral("\nPort: 32-bit integer, default \"8080\", from 1024 to 65535. ")));
    EXPECT_TRUE(schema.contains(QStringLiteral("\nCopyPaste: boolean (true or false), default \"true\". Let visitors")));
    // Every preference says what it does.
    EXPECT_FALSE(schema.contains(QStringLiteral(". \n")));
}

// Every command refuses what it cannot do with exit code 2 and a complaint, and changes nothing.
TEST_F(KorvelctlTest, RefusalsAndBadUsageExitTwoAndChangeNothing)
{
    ok({"sites", "add", "example.com"});
    ok({"categories", "add", "News"});
    ok({"blocked", "add", "bad.test"});
    ok({"advanced", "set", "--keywords", "casino"});
    ok({"pref", "set", "Port", "8081"});
    const QByteArray before = storeBytes();
    const QString logBefore = ok({"log"});
    ASSERT_FALSE(before.isEmpty());

    const struct {
        std::initializer_list<const char*> arguments;
        const char* complaint;
    } cases[] = {
        // The editors' own refusals (their rules are the editing tests'), passed on by each command; a blank
        // address given is an address, not one left out.
        {{"sites", "add", ""}, "Cannot Add empty URL\n"},
        {{"sites", "add", "http://example.com"}, "http://example.com is already listed (index 0); add --update"},
        {{"sites", "add", "example.com", "--startup"}, "already listed"},
        {{"--frobnicate", "sites", "list"}, "korvelctl: unknown option \"--frobnicate\""},
        {{"sites", "update", "0", " "}, "Cannot Update empty URL\n"},
        {{"sites", "update", "3", "--hide"}, "There is no allowed website at index 3.\n"},
        {{"categories", "add", "news"}, "Category with same name is already exist.\n"},
        {{"categories", "rename", "0", "  "}, "Cannot Update empty Name\n"},
        {{"blocked", "add", ""}, "Cannot Add empty URL\n"},
        {{"blocked", "add", "*.*.casino.test"}, "Invalid URL!!\n"},
        {{"blocked", "remove", "1"}, "There is no blocked website at index 1.\n"},
        {{"advanced", "set", "--content-blocking", "on", "--keywords", "   "},
         "Enter the keyword for content blocking\n"},
        {{"sites", "add", "a.test", "--protocol", "ftp"}, "unknown protocol \"ftp\""},
        {{"sites", "add", "a.test", "--category", "7"}, "no category with id 7"},
        {{"sites", "add", "a.test", "--category", "-1"}, "\"-1\" is not a category id"},
        {{"sites", "add", "a.test", "--no-hide"}, "unknown option \"--no-hide\""},
        {{"sites", "add", "a.test", "--hide=yes"}, "--hide takes no value"},
        {{"sites", "add", "a.test", "--title"}, "--title needs a value"},
        {{"sites", "update", "0", "--hide", "--no-hide"}, "contradict"},
        {{"sites", "remove", "first"}, "\"first\" is not an index"},
        {{"sites", "remove", "99999999999999999999"}, "is not an index"},
        {{"categories", "rename", "0"}, "usage: categories"},
        {{"blocked", "update", "0"}, "usage: blocked"},
        {{"advanced", "set", "--allow-all", "yes"}, "--allow-all takes on or off"},
        {{"advanced", "set"}, "usage: advanced"},
        {{"icons", "reset", "now"}, "usage: icons reset"},
        {{"pref", "set", "NoSuchKey", "1"}, ""},
        {{"pref", "set", "Port", "eighty"}, ""},
        {{"pref", "set", "Port", "99999999999"}, ""},
        {{"pref", "set", "MotionType", "99"}, "outside the values MotionType takes, 0 to 2"},
        {{"pref", "set", "Port", "1023"}, "1024 to 65535"},
        {{"pref", "set", "IdleTimeout", "60000"}, "0 to 59999"},
        {{"pref", "set", "Brightness", "1.5"}, "0 to 1"},
        {{"pref", "set", "ZoomEnable", "maybe"}, ""},
        {{"pref", "set", "StartTime", "25:00"}, ""},
        {{"pref", "set", "AlsoAllowedForLoading", "cdn.example.com, co.uk"}, "\"co.uk\" is a public suffix"},
        {{"pref", "set", "DaySelected", "Mon,Funday"}, ""},
        {{"pref", "set", "Brightness", "nan"}, ""},
        {{"pref", "get", "NoSuchKey"}, ""},
        {{"pref", "set", "Port"}, ""},
        {{"pref"}, ""},
        {{"frobnicate"}, ""},
        {{"log", "clear", "all"}, ""},
        {{"log", "URL_action"}, ""},
        {{"log", "--category"}, ""},
        {{"log", "--desc=yes"}, ""},
        {{"log", "--newest"}, ""},
        {{"policy", "check"}, ""},
        {{"policy", "check", "--type", "tap", "http://a.test/"}, ""},
        {{"downloads", "forget"}, ""},
        {{"domain"}, ""},
    };
    for (const auto& c : cases) {
        const QString command = list(c.arguments).join(QLatin1Char(' '));
        const CtlRun run = ctl(c.arguments);
        EXPECT_EQ(run.status, 2) << qPrintable(command);
        EXPECT_TRUE(!run.err.isEmpty() && run.err.contains(QString::fromUtf8(c.complaint))) << qPrintable(command) << ": " << qPrintable(run.err);
        EXPECT_EQ(run.out, QString()) << qPrintable(command);
        EXPECT_FALSE(run.err.contains(QStringLiteral("wrote the files"))) << qPrintable(command) << ": " << qPrintable(run.err);
        EXPECT_EQ(storeBytes(), before) << qPrintable(command);
    }
    // Commands that reached the performer are logged as commands; nothing else was.
    QStringList logAfter = ok({"log"}).split(QLatin1Char('\n'));
    logAfter.removeIf([](const QString& line) { return line.contains(QStringLiteral(": Settings: Command ")); });
    QStringList logExpected = logBefore.split(QLatin1Char('\n'));
    logExpected.removeIf([](const QString& line) { return line.contains(QStringLiteral(": Settings: Command ")); });
    EXPECT_EQ(logAfter, logExpected);
}

// A provisioning script run twice leaves the websites as its first run did, start page included;
// --update changes what it names of a website already listed.
TEST_F(KorvelctlTest, ProvisioningRunsAgainWithoutDuplicates)
{
    const auto provision = [this] {
        ok({"sites", "add", "https://a.test/", "--title", "A", "--startup", "--update"});
        ok({"sites", "add", "b.test", "--title", "B", "--update"});
    };
    provision();
    const QString first = ok({"sites", "list"});
    provision();
    EXPECT_EQ(ok({"sites", "list"}), first);
    EXPECT_EQ(first.count(QLatin1Char('\n')), 2) << qPrintable(first);
    EXPECT_TRUE(first.contains(QStringLiteral("url=https://a.test/ title=\"A\" startup\n"))) << qPrintable(first);

    ok({"sites", "add", "http://b.test", "--title", "Bee", "--hide", "--update"});
    const QString changed = ok({"sites", "list"});
    EXPECT_EQ(changed.count(QLatin1Char('\n')), 2) << qPrintable(changed);
    EXPECT_TRUE(changed.contains(QStringLiteral("url=http://b.test title=\"Bee\" hide\n"))) << qPrintable(changed);
}

TEST_F(KorvelctlTest, ListsEveryPreferenceAndAnswersHelpAndVersion)
{
    const QStringList lines = ok({"pref", "list"}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(size_t(lines.size()), KVBrowserPrefSettings::fields().size());
    EXPECT_EQ(lines.first(), QStringLiteral("RefreshOnError = false"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Port = 8080")));
    EXPECT_TRUE(lines.contains(QStringLiteral("UploadAccessCode = "))) << "no code unless one is set";
    EXPECT_TRUE(lines.contains(QStringLiteral("DaySelected = Mon,Tue,Wed,Thu,Fri,Sat,Sun")));

    const QString help = ok({"--help"});
    EXPECT_TRUE(help.contains(QStringLiteral("pref set KEY VALUE")));
    EXPECT_TRUE(ok({"--version"}).startsWith(QStringLiteral("korvelctl ")));

    // Every command the help lists has its entry in the manual page too.
    QFile page(QStringLiteral(KORVEL_SOURCE_DIR "/packaging/man/korvelctl.1"));
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    QString manual = QString::fromUtf8(page.readAll());
    manual.remove(QRegularExpression(QStringLiteral("\\f[BIRP]"))).replace(QStringLiteral("\\-"), QStringLiteral("-"));
    const QRegularExpression command(QStringLiteral("^  ([a-z][a-z-]*(?: [a-z][a-z-]*)?)"), QRegularExpression::MultilineOption);
    int commands = 0;
    for (auto it = command.globalMatch(help); it.hasNext(); ++commands) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(manual.contains(name)) << "the manual page lacks \"" << name.toStdString() << "\"";
    }
    EXPECT_GT(commands, 40);
}

// Run as root on a kiosk user's home, what korvelctl writes belongs to that user, so the kiosk can
// still read it.
TEST_F(KorvelctlTest, RootWritesAKioskUsersHomeAsThatUser)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "needs root";
    const uid_t nobody = 65534;
    ASSERT_EQ(::chown(QFile::encodeName(home()).constData(), nobody, nobody), 0);
    ASSERT_EQ(ctl({QStringLiteral("password"), QStringLiteral("set")}, QByteArrayLiteral("kiosk-pass-1\n")).status, 0);
    ASSERT_EQ(ctl({"pref", "set", "IdleTimeout", "30"}).status, 0);
    for (const QString& file : QDir(home()).entryList(QDir::Files)) {
        struct stat info {};
        ASSERT_EQ(::stat(QFile::encodeName(home() + QLatin1Char('/') + file).constData(), &info), 0);
        EXPECT_EQ(info.st_uid, nobody) << qPrintable(file);
    }
    ASSERT_EQ(::chown(QFile::encodeName(home()).constData(), 0, 0), 0);
}

// The documents directory as the upload server shows and changes it, with the server's checks.
TEST_F(KorvelctlTest, FilesGoInAndOutOfTheDocumentsDirectoryOnly)
{
    const QString source = home() + QStringLiteral("/menu.pdf");
    ASSERT_TRUE(korvel::test::writeFile(source, "%PDF"));
    const struct {
        QStringList arguments;
        int status;
        const char* out;
    } steps[] = {
        {{"files", "put", source}, 0, "menu.pdf\n"},
        {{"files", "put", source, "--folder", "cafe/week 1"}, 0, "cafe/week 1/menu.pdf\n"},
        {{"files", "put", source, "--folder", "../outside"}, 2, ""},
        {{"files", "list"}, 0, "cafe/week 1/menu.pdf\nmenu.pdf\n"},
        {{"files", "delete", "../keychain.plist"}, 2, ""},
        {{"files", "delete", "Version.txt"}, 2, ""},
        {{"files", "delete", "cafe/week1/menu.pdf"}, 1, ""},
        {{"files", "delete", "cafe/week 1/menu.pdf"}, 0, ""},  // the name as it is, spaces and all
        {{"files", "list"}, 0, "menu.pdf\n"},
    };
    for (const auto& step : steps) {
        const CtlRun run = ctl(step.arguments);
        EXPECT_EQ(run.status, step.status) << qPrintable(step.arguments.join(' ')) << qPrintable(run.err);
        EXPECT_EQ(run.out, QString::fromUtf8(step.out)) << qPrintable(step.arguments.join(' '));
    }
    EXPECT_FALSE(QFileInfo::exists(home() + QStringLiteral("/outside/menu.pdf")));
}

TEST_F(KorvelctlTest, TheDownloadHistoryIsListedAndCleared)
{
    KVSettings& settings = KVSettings::getSettingsObject();
    settings.arrDownloadHistory = {
        DownloadHistoryParam::initWithParams(QStringLiteral("menu.pdf"), QStringLiteral("http://cafe.test/menu.pdf"),
                                             QStringLiteral("2026-12-07T10:00:00.000Z"), QStringLiteral("12 KB"), 1),
        DownloadHistoryParam::initWithParams(QStringLiteral("1_menu.pdf"), QStringLiteral("http://cafe.test/menu.pdf"), QString(),
                                             QString(), 2)};
    ASSERT_TRUE(settings.save());
    EXPECT_EQ(ctl({"downloads", "list"}).out,
              QStringLiteral("id=1 name=\"menu.pdf\" time=2026-12-07T10:00:00.000Z size=12 KB path=http://cafe.test/menu.pdf\n"
                             "id=2 name=\"1_menu.pdf\" time=downloading size= path=http://cafe.test/menu.pdf\n"));
    EXPECT_EQ(ctl({"downloads", "clear"}).status, 0);
    EXPECT_EQ(ctl({"downloads", "list"}).out, QString());
}
