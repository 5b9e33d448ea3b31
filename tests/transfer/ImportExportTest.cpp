#include "platform/UserDefaults.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/CloudService.h"
#include "transfer/ManagedConfiguration.h"
#include "transfer/SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>

#include <sys/resource.h>

namespace korvel::test {
namespace {

class ImportExportTest : public TransferTest {};

// Writes beyond `bytes` fail with EFBIG, as they would on a full disk, for the life of the guard.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_saved);
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_saved);
        std::signal(SIGXFSZ, m_handler);
    }

private:
    rlimit m_saved{};
    void (*m_handler)(int) = nullptr;
};

TEST_F(ImportExportTest, DocumentsThatAreNotSettingsChangeNothing)
{
    storeSomeSettings();
    const QByteArray storedBefore = readFile(Paths::defaultsFile());
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"garbage", "\x00\x01 not a plist"},
        {"an array", PropertyList::toXml(QVariantList{1, 2})},
        {"blocked websites as text", PropertyList::toXml(QVariantMap{{QStringLiteral("BlockedWebsites"), QStringLiteral("x")}})},
        {"a password that is a number",
         PropertyList::toXml(QVariantMap{{QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), 1}}}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(placeDocument(QStringLiteral("bad.plist"), c.bytes));
        const TransferResult result = ImportExport::importFromFile(QStringLiteral("bad.plist"));
        EXPECT_FALSE(result.ok);
        EXPECT_TRUE(result.alert.message.endsWith(QLatin1String("Nothing was changed."))) << qPrintable(result.alert.message);
        reopen();
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
        EXPECT_EQ(settings().allowedWebsitesCategories.size(), 1);
        EXPECT_EQ(urls(settings().blockedWebsites), QStringList{QStringLiteral("http://blocked.example")});
        EXPECT_TRUE(passwordIs("secret"));
        EXPECT_EQ(readFile(Paths::defaultsFile()), storedBefore);
    }
    const TransferResult missing = ImportExport::importFromFile(QStringLiteral("nowhere.plist"));
    EXPECT_EQ(missing.alert.message, QStringLiteral("File Not Found!! Please export settings to file for an import."));
    EXPECT_EQ(ImportExport::importFromFile(QStringLiteral("../defaults.plist")).ok, false);
}

TEST_F(ImportExportTest, MissingListsEmptyCategoriesAndBlockedButKeepAllowedAndAutoImportNeverComesIn)
{
    storeSomeSettings();
    settings().kvAutoImport.cloudID = QStringLiteral("this-device");
    ASSERT_TRUE(settings().save());
    putDocument(QStringLiteral("blocked-only.plist"),
                {{QStringLiteral("BlockedWebsites"), QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://new-block.example")}}}},
                 {QStringLiteral("AutoImport"), QVariantMap{{QStringLiteral("CloudID"), QStringLiteral("other-device")}}}});
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("blocked-only.plist")).ok);
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    EXPECT_TRUE(settings().allowedWebsitesCategories.isEmpty());
    EXPECT_EQ(urls(settings().blockedWebsites), QStringList{QStringLiteral("http://new-block.example")});
    EXPECT_EQ(settings().kvAutoImport.cloudID, QStringLiteral("this-device"));
    EXPECT_TRUE(passwordIs("secret")) << "a document without a password leaves it";
    EXPECT_EQ(settings().kvAutoImport.fileImport, QStringLiteral("blocked-only.plist"));

    putDocument(QStringLiteral("allowed.plist"),
                {{QStringLiteral("AllowedWebsites"), QVariantList{site("example.org", 7), site("https://b.example", 3), site("c.example", 9)}},
                 {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("new"))}}}});
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("allowed.plist")).ok);
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites),
              (QStringList{QStringLiteral("http://example.org"), QStringLiteral("https://b.example"), QStringLiteral("http://c.example")}));
    for (qsizetype i = 0; i < settings().allowedWebsites.size(); ++i)
        EXPECT_EQ(settings().allowedWebsites[i].allowedWebsiteId, i);
    EXPECT_TRUE(settings().blockedWebsites.isEmpty());
    EXPECT_TRUE(passwordIs("new"));
    // The password lives in the password store only, never in the defaults file.
    EXPECT_FALSE(readFile(Paths::defaultsFile()).contains(KVHashString::stringToBase64(QStringLiteral("new")).toUtf8()));
    EXPECT_EQ(settings().kvAutoImport.cloudID, QStringLiteral("this-device"));
}

TEST_F(ImportExportTest, PortOutsideTheUserRangeBecomes8080AndTheServerFollowsTheSwitch)
{
    const struct {
        qint64 port;
        qint32 expected;
    } ports[] = {{80, 8080}, {1023, 8080}, {1024, 1024}, {65535, 65535}, {65536, 8080}};
    for (const auto& p : ports) {
        SCOPED_TRACE(p.port);
        server.running = true;
        putDocument(QStringLiteral("port.plist"),
                    {{QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Port"), p.port}, {QStringLiteral("ServerSwitch"), true}}}});
        ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("port.plist")).ok);
        EXPECT_EQ(settings().kvBrowPref.port, p.expected);
        reopen();
        EXPECT_EQ(settings().kvBrowPref.port, p.expected) << "the repaired port is saved";
        ASSERT_FALSE(server.starts.isEmpty());
        EXPECT_EQ(server.starts.last(), p.expected);
    }
    // Events logged at one mock instant have no order among themselves: they are counted.
    EXPECT_EQ(loggedEvents(QStringLiteral("Import")).count(QStringLiteral("Server running successfullly Yes")), 5);
    // Switched off: a running server stops; switched on but not running: it stays off.
    putDocument(QStringLiteral("off.plist"), {{QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Port"), 8080}}}});
    const qsizetype starts = server.starts.size();
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("off.plist")).ok);
    EXPECT_FALSE(server.running);
    EXPECT_EQ(loggedEvents(QStringLiteral("Import")).count(QStringLiteral("Server Stoped ")), 1);
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("port.plist")).ok);
    EXPECT_FALSE(server.running);
    EXPECT_EQ(server.starts.size(), starts);
}

TEST_F(ImportExportTest, ExportNamesAreTrimmedAndMustEndInPlistAndStayInsideDocuments)
{
    // A link left in Documents that points at a file not yet made outside it.
    QTemporaryDir outside;
    ASSERT_TRUE(QFile::link(outside.filePath(QStringLiteral("made.plist")), documents() + QStringLiteral("/dangling.plist")));
    const struct {
        const char* typed;
        const char* written;  // nullptr: refused
        const char* message;  // the start of the alert
    } cases[] = {
        {"  spaced.plist \n", "spaced.plist", "Settings exported successfully to file spaced.plist in Korvel documents folder."},
        {"sub/dir/nested.plist", "sub/dir/nested.plist", "Settings exported successfully to file sub/dir/nested.plist"},
        {"dangling.plist", nullptr, "The file name \"dangling.plist\" cannot be used: outside the documents directory."},
        {"", nullptr, "Textfield cannot be empty"},
        {"capital.PLIST", nullptr, "Please provide a valid file name, ensuring that it ends with the extension .plist"},
        {"../outside.plist", nullptr, "The file name \"../outside.plist\" cannot be used"},
        {"/tmp/absolute.plist", nullptr, "The file name \"/tmp/absolute.plist\" cannot be used"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        const TransferResult result = ImportExport::exportToFile(QString::fromUtf8(c.typed));
        EXPECT_EQ(result.ok, c.written != nullptr);
        EXPECT_TRUE(result.alert.message.startsWith(QString::fromUtf8(c.message))) << qPrintable(result.alert.message);
        if (c.written) {
            EXPECT_EQ(result.alert.title, QStringLiteral("Korvel"));
            EXPECT_TRUE(SettingsDocument::readSettingsDocument(readFile(documents() + QLatin1Char('/') + QLatin1String(c.written))).document);
            EXPECT_EQ(settings().kvAutoImport.fileExport, QString::fromUtf8(c.written));
        }
    }
    EXPECT_FALSE(QFile::exists(home() + QStringLiteral("/outside.plist")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/absolute.plist")));
    EXPECT_TRUE(QDir(outside.path()).isEmpty());
    EXPECT_EQ(loggedEvents(QStringLiteral("Export")).count(QStringLiteral("Invalid file extension.")), 1);
}

TEST_F(ImportExportTest, PellmorExportLeavesExactlyOneWrappedTextFile)
{
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/Korvel_PellmorConfig.txt"), "an old export"));
    settings().kvAutoImport.fileExport = QStringLiteral("kept.plist");
    storeSomeSettings();
    const ImportExport::PellmorResult result = ImportExport::exportForPellmor();
    ASSERT_TRUE(result.written);
    EXPECT_EQ(result.alert.title, QStringLiteral("Korvel"));
    EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("Korvel_PellmorConfig*")}, QDir::Files),
              QStringList{QStringLiteral("Korvel_PellmorConfig.txt")});
    const QByteArray text = readFile(result.path);
    EXPECT_TRUE(text.startsWith("<![CDATA[\n<?xml")) << text.left(40).constData();
    EXPECT_TRUE(text.endsWith("</plist>\n]]>")) << text.right(20).constData();
    const SettingsDocument::ParsedDocument parsed = SettingsDocument::readSettingsDocument(text);
    ASSERT_TRUE(parsed.document);
    const QVariantMap preferences = parsed.document->value(QStringLiteral("BrowserPreferences")).toMap();
    EXPECT_FALSE(preferences.contains(QStringLiteral("Password")));
    EXPECT_TRUE(KVHashString::verifyPasswordHash(preferences.value(QStringLiteral("PasswordHash")).toString(), QStringLiteral("secret")));
    EXPECT_EQ(settings().kvAutoImport.fileExport, QStringLiteral("kept.plist"));
}

TEST_F(ImportExportTest, ResetKeepsTheDownloadHistoryAndRestoresTheFactoryPassword)
{
    storeSomeSettings();
    settings().arrDownloadHistory = {DownloadHistoryParam::initWithParams(QStringLiteral("a.pdf"), QStringLiteral("a.pdf"),
                                                                          QStringLiteral("2024-01-02T03:04:05.000Z"), QStringLiteral("1 KB"), 1)};
    settings().kvBrowPref.port = 9000;
    ASSERT_TRUE(settings().save());
    UserDefaults::standard().setObject(QStringLiteral("mdmConfChecksum"), QStringLiteral("abc"));
    UserDefaults::standard().setObject(QStringLiteral("UserAgent"), QStringLiteral("custom"));
    server.running = true;

    ImportExport::resetQuestionShown();
    EXPECT_EQ(loggedEvents(QStringLiteral("Warning")), QStringList{QStringLiteral("Settings reset to default")});
    const TransferResult result = ImportExport::resetToDefaults();
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.alert.message, QStringLiteral("Successfully reset settings!!"));
    EXPECT_FALSE(server.running);
    reopen();
    EXPECT_EQ(settings().arrDownloadHistory.size(), 1);
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());
    EXPECT_TRUE(settings().blockedWebsites.isEmpty());
    EXPECT_EQ(settings().kvBrowPref.port, 8080);
    EXPECT_TRUE(passwordIs("9246"));
    EXPECT_EQ(UserDefaults::standard().objectForKey(QStringLiteral("mdmConfChecksum")), QStringLiteral("abc"));
    EXPECT_FALSE(UserDefaults::standard().objectForKey(QStringLiteral("UserAgent")).isValid());
    EXPECT_EQ(UserDefaults::standard().objectForKey(QStringLiteral("hasDragged")), false);
}

TEST_F(ImportExportTest, AFailureHalfWayLeavesThePreviousSettingsInForce)
{
    storeSomeSettings();
    const QVariantMap document{
        {QStringLiteral("AllowedWebsites"), QVariantList{site("http://new.example")}},
        {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("new"))}}},
        {QStringLiteral("Files"), QVariantList{QVariantMap{{QStringLiteral("FileName"), QStringLiteral("small.png")},
                                                           {QStringLiteral("FileData"), QString::fromLatin1(QByteArray("small").toBase64())}},
                                               QVariantMap{{QStringLiteral("FileName"), QStringLiteral("big.png")},
                                                           {QStringLiteral("FileData"), QString::fromLatin1(QByteArray(2 << 20, 'x').toBase64())}}}}};
    const struct {
        const char* name;
        std::function<bool()> run;
    } failures[] = {
        {"the disk fills while the files are restored",
         [&] {
             FileSizeLimit limit(1 << 20);
             return ImportExport::applySettingsDocument(document, atTheDevice, false).applied;
         }},
        {"the settings cannot be written",
         [&] {
             const QString file = Paths::defaultsFile();
             QFile::rename(file, file + QStringLiteral(".kept"));
             QDir().mkpath(file);
             const bool applied = ImportExport::applySettingsDocument(document, atTheDevice, false).applied;
             QDir().rmdir(file);
             QFile::rename(file + QStringLiteral(".kept"), file);
             return applied;
         }},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        EXPECT_FALSE(failure.run());
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
        EXPECT_EQ(UserDefaults::standard().arrayForKey(QStringLiteral("AllowedWebsites")).size(), 1);
        EXPECT_EQ(UserDefaults::standard().arrayForKey(QStringLiteral("AllowedWebsitesCategory")).size(), 1);
        EXPECT_TRUE(passwordIs("secret"));
        EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("small.png"), QStringLiteral("big.png"), QStringLiteral(".*.tmp-*")},
                                              QDir::Files | QDir::Hidden),
                  QStringList());
        reopen();
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    }
    EXPECT_TRUE(ImportExport::applySettingsDocument(document, atTheDevice, false)) << "the same document applies once the disk has room";
    EXPECT_TRUE(passwordIs("new"));
    EXPECT_EQ(readFile(documents() + QStringLiteral("/small.png")), "small");
}

// A document can bring settings, nothing else: a nested managed configuration (which took the whole
// device over at the next start, and sent its settings to the cloud service it named) and every
// other key outside the settings are left out, and logged.
TEST_F(ImportExportTest, OnlyTheSettingsOfADocumentAreImported)
{
    storeSomeSettings();
    const QVariantMap takeover{
        {QStringLiteral("SettingsXML"),
         QString::fromUtf8(PropertyList::toXml(QVariantMap{{QStringLiteral("BrowserPreferences"),
                                                            QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("0000"))}}}}))},
        {QStringLiteral("CloudService"), QStringLiteral("http://collector.example")}};
    putDocument(QStringLiteral("hostile.plist"),
                {{QStringLiteral("AllowedWebsites"), QVariantList{site("http://imported.example")}},
                 {QStringLiteral("com.apple.configuration.managed"), takeover},
                 {QStringLiteral("mdmConfChecksum"), QStringLiteral("0")},
                 {QStringLiteral("Unknown"), 1},
                 {QStringLiteral("UserAgent"), QStringLiteral("Agent/1")},
                 {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("IdleTimeout"), 45}, {QStringLiteral("Sneaky"), true}}}});
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("hostile.plist")).ok);
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://imported.example")});
    EXPECT_EQ(settings().kvBrowPref.idleTimeout, 45);
    EXPECT_EQ(UserDefaults::standard().objectForKey(QStringLiteral("UserAgent")), QStringLiteral("Agent/1"));
    EXPECT_FALSE(UserDefaults::standard().objectForKey(QLatin1String(UserDefaults::managedKey)).isValid());
    EXPECT_EQ(ManagedConfiguration::defaultsChanged(UserDefaults::standard()).outcome, ManagedConfiguration::Outcome::NoDocument);
    EXPECT_FALSE(CloudService::address().url.has_value());
    EXPECT_TRUE(passwordIs("secret"));
    const QByteArray stored = readFile(Paths::defaultsFile());
    for (const char* left : {"com.apple.configuration.managed", "mdmConfChecksum", "Unknown", "Sneaky"})
        EXPECT_FALSE(stored.contains(left)) << left;
    EXPECT_TRUE(loggedEvents(QStringLiteral("Import"))
                    .contains(QStringLiteral("Not imported, not part of the settings: BrowserPreferences/Sneaky, Unknown, "
                                             "com.apple.configuration.managed, mdmConfChecksum")))
        << qPrintable(loggedEvents(QStringLiteral("Import")).join('\n'));
}

// The managed configuration replaces the settings whole: lists, preferences (what it lacks at the
// factory value), password and files, or, when any of them cannot be written, nothing at all.
TEST_F(ImportExportTest, TheManagedConfigurationReplacesEverythingOrNothing)
{
    storeSomeSettings();
    const QVariantMap document{
        {QStringLiteral("AllowedWebsites"), QVariantList{site("http://managed.example")}},
        {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("IdleTimeout"), 45},
                                                            {QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("managed"))}}},
        {QStringLiteral("Files"), QVariantList{QVariantMap{{QStringLiteral("FileName"), QStringLiteral("managed/icon.png")},
                                                           {QStringLiteral("FileData"), QString::fromLatin1(QByteArray(2 << 20, 'm').toBase64())}}}}};
    const auto unchanged = [&] {
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
        EXPECT_EQ(settings().allowedWebsitesCategories.size(), 1);
        EXPECT_TRUE(passwordIs("secret"));
        EXPECT_FALSE(QFileInfo::exists(documents() + QStringLiteral("/managed/icon.png")));
    };
    {
        FileSizeLimit limit(1 << 20);
        EXPECT_FALSE(ImportExport::replaceSettings(document, managedFile));
    }
    unchanged();
    ASSERT_TRUE(writeFile(Paths::keychainFile(), "damaged"));
    EXPECT_FALSE(ImportExport::replaceSettings(document, managedFile)) << "a damaged password store is never replaced by an import";
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    ASSERT_TRUE(QFile::remove(Paths::keychainFile()));
    setPassword("secret");

    ASSERT_TRUE(ImportExport::replaceSettings(document, managedFile));
    reopen();
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://managed.example")});
    EXPECT_TRUE(settings().allowedWebsitesCategories.isEmpty());
    EXPECT_EQ(settings().kvBrowPref.idleTimeout, 45);
    EXPECT_EQ(settings().kvBrowPref.port, 8080) << "a key the document lacks takes its factory value";
    EXPECT_EQ(settings().kvBrowPref.numberTaps, 5);
    EXPECT_TRUE(passwordIs("managed"));
    EXPECT_EQ(QFileInfo(documents() + QStringLiteral("/managed/icon.png")).size(), 2 << 20);
}

// A document from elsewhere cannot store a value the kiosk has no meaning for; the rest of it applies.
TEST_F(ImportExportTest, NumbersOutsideTheirRangesAreImportedAsFactoryValues)
{
    const QVariantMap preferences{{QStringLiteral("MotionType"), 99},      {QStringLiteral("CountOfTabs"), 0},
                                  {QStringLiteral("Brightness"), 7.5},     {QStringLiteral("NumberOfTaps"), 41},
                                  {QStringLiteral("IdleTimeout"), 5},      {QStringLiteral("Zoom"), 150},
                                  {QStringLiteral("PrivateBrowsing"), true}};
    putDocument(QStringLiteral("ranges.plist"), {{QStringLiteral("BrowserPreferences"), preferences}});
    ASSERT_TRUE(ImportExport::importFromFile(QStringLiteral("ranges.plist")).ok);
    reopen();
    const KVBrowserPrefSettings factory = KVBrowserPrefSettings::init();
    const KVBrowserPrefSettings& p = settings().kvBrowPref;
    EXPECT_EQ(p.motionType, 0);
    EXPECT_EQ(p.countOfTabs, 8);
    EXPECT_EQ(p.brightness, factory.brightness);
    EXPECT_EQ(p.numberTaps, 5);
    EXPECT_EQ(p.idleTimeout, 5) << "under 10 turns the idle timer off, a setting of its own";
    EXPECT_EQ(p.intZoom, 150);
    EXPECT_TRUE(p.privateBrowsing);
    const QStringList logged = loggedEvents(QStringLiteral("Import"));
    EXPECT_TRUE(logged.contains(QStringLiteral("MotionType was outside 0 to 2; the factory value is used")));
    EXPECT_EQ(logged.filter(QStringLiteral("the factory value is used")).size(), 4);
}

}  // namespace
}  // namespace korvel::test
