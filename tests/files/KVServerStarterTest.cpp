#include "files/KVServerStarter.h"
#include "log/KVLogger.h"
#include "settings/KVBrowserPrefSettings.h"
#include "tests/support/TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <httplib.h>

namespace korvel::test {
namespace {

const QString sourceResources = QStringLiteral(KORVEL_SOURCE_DIR "/resources");

class KVServerStarterTest : public TestHome {
protected:
    void SetUp() override
    {
        TestHome::SetUp();
        KVLogger::createDatabase_Tables();
        ASSERT_TRUE(outside.isValid());
        starter = std::make_unique<KVServerStarter>(documents(), sourceResources + QStringLiteral("/upload"),
                                                    sourceResources + QStringLiteral("/korvel_error.html"));
        ASSERT_TRUE(starter->startServerConnectionWith(0));
    }
    void TearDown() override
    {
        starter.reset();
        TestHome::TearDown();
    }

    httplib::Client client(const std::string& host = "127.0.0.1") { return httplib::Client(host, starter->getPortNumber()); }
    static void write(const QString& path, const QByteArray& bytes = "bytes") { ASSERT_TRUE(writeFile(path, bytes)) << qPrintable(path); }
    static QByteArray read(const QString& path) { return readFile(path); }
    httplib::Result upload(const std::string& part, const std::string& fileName, const std::string& bytes = "hello")
    {
        return client().Post("/upload", httplib::MultipartFormDataItems{{part, bytes, fileName, "text/plain"}});
    }

    QTemporaryDir outside;
    std::unique_ptr<KVServerStarter> starter;
};

TEST_F(KVServerStarterTest, RoutesAnswerInOrderAndEscapesAreRefused)
{
    write(documents() + QStringLiteral("/korvelLogDatabase.db-wal"));
    write(documents() + QStringLiteral("/site/index.html"), "<p>site</p>");
    write(outside.filePath(QStringLiteral("secret.html")), "secret");
    QFile::link(outside.filePath(QStringLiteral("secret.html")), documents() + QStringLiteral("/leak.html"));
    struct Case {
        const char* path;
        int status;
        const char* location;  // or a text the body holds
    } const cases[] = {
        {"/", 301, "/upload"},
        {"/nowhere", 302, "/error"},
        {"/error", 200, "<html"},
        {"/upload", 200, "upload.js"},
        {"/upload/", 200, "upload.js"},
        {"/upload/upload.js", 200, "/Delete/"},
        {"/Documents/site/", 200, "<p>site</p>"},
        {"/Documents/site", 200, "<p>site</p>"},
        {"/Documents/missing.png", 302, "/error"},
        {"/Documents/leak.html", 302, "/error"},
        {"/Documents/korvelLogDatabase.db-wal", 302, "/error"},
        {"/Documents/../Documents/site/index.html", 302, "/error"},
        {"/upload/%2e%2e/korvel_error.html", 400, ""},
        {"/upload/..%2fkorvel_error.html", 400, ""},
        {"/Documents/%5c..%5cetc", 400, ""},
        {"/Documents/%2E%2E/x", 400, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const auto result = client().Get(c.path);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, c.status);
        if (c.status == 301 || c.status == 302) {
            EXPECT_EQ(result->get_header_value("Location"), c.location);
        } else {
            EXPECT_NE(result->body.find(c.location), std::string::npos);
        }
    }
}

TEST_F(KVServerStarterTest, UploadStoresInsideTheDocumentsAndRefusesEscapes)
{
    write(documents() + QStringLiteral("/Version.txt"), "version");
    QDir().mkpath(outside.filePath(QStringLiteral("out")));
    QFile::link(outside.filePath(QStringLiteral("out")), documents() + QStringLiteral("/linked"));
    struct Case {
        const char* part;
        const char* fileName;
        QString stored;  // relative to the documents; empty: refused
    } const cases[] = {
        {"file", "a/b/c.txt", QStringLiteral("c.txt")},
        {"addfolder", "a/b/c.txt", QStringLiteral("a/b/c.txt")},
        {"addfolder", "plain.txt", QStringLiteral("plain.txt")},
        {"addfolder", "../up.txt", {}},
        {"file", "a/../../up.txt", {}},
        {"file", "/etc/up.txt", {}},
        {"file", "nul\x01.txt", {}},
        {"file", "back\\slash.txt", {}},
        {"file", "Version.txt", {}},
        {"file", "korvelLogDatabase.db-wal", {}},
        {"file", "korvelDatabase.db-shm", {}},
        {"addfolder", "linked/up.txt", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fileName);
        const auto result = upload(c.part, c.fileName);
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(result->body, std::string("Name: ") + c.part + " File name: " + c.fileName + " Size: 5<br>");
        if (!c.stored.isEmpty()) {
            EXPECT_EQ(read(documents() + QLatin1Char('/') + c.stored), "hello");
        }
    }
    EXPECT_EQ(read(documents() + QStringLiteral("/Version.txt")), "version");
    EXPECT_FALSE(QFileInfo::exists(QFileInfo(documents()).path() + QStringLiteral("/up.txt")));
    EXPECT_TRUE(QDir(outside.filePath(QStringLiteral("out"))).isEmpty());
    EXPECT_EQ(loggedEvents(QStringLiteral("KVServerConnection")).filter(QStringLiteral("Upload refused")).size(), 9);
}

TEST_F(KVServerStarterTest, UploadBeyondTheLimitKeepsNothing)
{
    starter->setUploadLimit(1000);
    ASSERT_TRUE(starter->startServerConnectionWith(0));
    write(documents() + QStringLiteral("/big.bin"), "old");
    const auto result = upload("file", "big.bin", std::string(5000, 'x'));
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 413);
    EXPECT_EQ(read(documents() + QStringLiteral("/big.bin")), "old");
    EXPECT_EQ(QDir(documents()).entryList({QStringLiteral("big*")}, QDir::Files | QDir::Hidden), QStringList{QStringLiteral("big.bin")});
}

TEST_F(KVServerStarterTest, DeleteRemovesOnlyWhatLiesInside)
{
    write(documents() + QStringLiteral("/myfile.txt"));
    write(documents() + QStringLiteral("/sub/a.txt"));
    write(documents() + QStringLiteral("/korvelDatabase.db"));
    write(outside.filePath(QStringLiteral("target.txt")));
    QFile::link(outside.filePath(QStringLiteral("target.txt")), documents() + QStringLiteral("/link.txt"));
    struct Case {
        const char* target;
        const char* body;
        const char* reply;
        QString gone;  // relative to the documents
    } const cases[] = {
        {"/Delete/", "", "No File", {}},
        {"/Delete/", "my%20file.txt", "file Delete Success", QStringLiteral("myfile.txt")},
        {"/Delete/?name=sub/a.txt", "", "file Delete Success", QStringLiteral("sub/a.txt")},
        {"/Delete/", "missing.txt", "file Delete Failed No such file", {}},
        {"/Delete/", "../outside.txt", "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2e%2e/x.txt", "file Delete Failed dot segment in name", {}},
        {"/Delete/", "%2Fetc%2Fpasswd", "file Delete Failed absolute path", {}},
        {"/Delete/", "a%00.txt", "file Delete Failed control character or backslash in name", {}},
        {"/Delete/", "korvelDatabase.db", "file Delete Failed the program's own file", {}},
        {"/Delete/", "link.txt", "file Delete Success", QStringLiteral("link.txt")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.body);
        const auto result = client().Delete(c.target, c.body, "text/plain");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->body, c.reply);
        if (!c.gone.isEmpty()) {
            EXPECT_FALSE(QFileInfo(documents() + QLatin1Char('/') + c.gone).isSymLink() || QFileInfo::exists(documents() + QLatin1Char('/') + c.gone));
        }
    }
    EXPECT_TRUE(QFileInfo::exists(documents() + QStringLiteral("/korvelDatabase.db")));
    EXPECT_TRUE(QFileInfo::exists(outside.filePath(QStringLiteral("target.txt"))));
}

TEST_F(KVServerStarterTest, FileListLeavesOutTheSystemsFilesAndEscapesApostrophes)
{
    for (const char* name : {"Version.txt", "korvelLogDatabase.db", "homeWebPage.html", "categories.png", "x.part.prt"})
        write(documents() + QLatin1Char('/') + QLatin1String(name));
    EXPECT_EQ(client().Get("/files")->body, "[]");
    for (const char* name : {"b.txt", "A.png", "sub/it's.pdf", "noextension"})
        write(documents() + QLatin1Char('/') + QLatin1String(name));
    EXPECT_EQ(client().Get("/files")->body, "[{'name':'A.png', 'id':0},{'name':'b.txt', 'id':1},{'name':'sub/it\\'s.pdf', 'id':2}]");
}

TEST_F(KVServerStarterTest, RequestsBeyondTheLimitsAreRefused)
{
    httplib::Headers many;
    for (int i = 0; i < KVServerStarter::headerCountLimit + 1; ++i)
        many.emplace("X-Header-" + std::to_string(i), "v");
    EXPECT_EQ(client().Get("/files", many)->status, 431);
    EXPECT_EQ(client().Delete("/Delete/", std::string(KVServerStarter::smallBodyLimit + 1, 'x'), "text/plain")->status, 413);
}

TEST_F(KVServerStarterTest, StartsStopsAndReportsAPortInUse)
{
    const int port = starter->getPortNumber();
    EXPECT_GT(port, 0);
    EXPECT_TRUE(starter->isServerRunning());

    KVServerStarter second(documents(), sourceResources, sourceResources);
    EXPECT_FALSE(second.startServerConnectionWith(port));
    EXPECT_FALSE(second.isServerRunning());
    EXPECT_TRUE(loggedEvents(QStringLiteral("KVServerStarter")).contains(QStringLiteral("Server Not Statred There will be some Issue please check")));

    // IPv6 where the machine has it; the same server answers on IPv4.
    httplib::Client v6("::1", port);
    if (const auto result = v6.Get("/files")) {
        EXPECT_EQ(result->status, 200);
    }

    KVBrowserPrefSettings preferences = KVBrowserPrefSettings::init();
    preferences.port = 8080;
    EXPECT_EQ(starter->localServerAddress(preferences), std::nullopt) << "switched off";
    preferences.serverSwitchOnOFF = true;
    EXPECT_EQ(starter->localServerAddress(preferences), (LocalServerAddress{QStringLiteral("127.0.0.1"), port}));

    starter->stopServerConnection();
    EXPECT_EQ(starter->localServerAddress(preferences), (LocalServerAddress{QStringLiteral("127.0.0.1"), 8080}));
    EXPECT_FALSE(starter->isServerRunning());
    EXPECT_EQ(starter->getPortNumber(), 0);
    EXPECT_FALSE(httplib::Client("127.0.0.1", port).Get("/files"));
    ASSERT_TRUE(starter->startServerConnectionWith(port));
    EXPECT_EQ(client().Get("/files")->status, 200);
}

}  // namespace
}  // namespace korvel::test
