#include "cloud/CloudServer.h"
#include "cloud/DocumentStore.h"
#include "log/KVDatabase.h"
#include "tests/cli/KorvelctlProcess.h"
#include "tests/cloud/CloudStores.h"
#include "tests/support/EventLoop.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/CloudService.h"
#include "transfer/CloudTransfer.h"
#include "transfer/KVAutoImport.h"
#include "transfer/KVCloudRequest.h"
#include "transfer/SettingsDocument.h"

#include <QProcess>
#include <QTemporaryDir>

#include <httplib.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <mutex>
#include <thread>

namespace korvel::test {
namespace {

// A real korvel-cloud service on a free port of 127.0.0.1, in this process, stopped with the test.
// `database` as korvel-cloud's --database takes it; empty: a SQLite file of its own.
class RunningService {
public:
    explicit RunningService(std::string database = {}, cloud::CloudServer::Options options = {})
    {
        if (database.empty())
            database = (dir.path() + QStringLiteral("/cloud.db")).toStdString();
        std::string error;
        store = cloud::DocumentStore::openDatabase(database, &error);
        EXPECT_TRUE(store) << error;
        options.accessLog = [this](const std::string& line) {
            std::lock_guard lock(mutex);
            log.push_back(line);
        };
        server = std::make_unique<cloud::CloudServer>(*store, options);
        port = server->bind("127.0.0.1", 0);
        EXPECT_GT(port, 0);
        thread = std::thread([this] { server->listen(); });
    }
    ~RunningService()
    {
        server->stop();
        thread.join();
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)); }
    std::vector<std::string> accessLog()
    {
        std::lock_guard lock(mutex);
        return log;
    }

    QTemporaryDir dir;
    std::unique_ptr<cloud::DocumentStore> store;
    std::unique_ptr<cloud::CloudServer> server;
    int port = 0;
    std::thread thread;
    std::mutex mutex;
    std::vector<std::string> log;
};

// A server that answers every connection with the same bytes (none: it hangs up) after reading the request.
class CannedServer {
public:
    explicit CannedServer(std::string answer)
        : m_answer(std::move(answer))
    {
        m_socket = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        EXPECT_EQ(::bind(m_socket, reinterpret_cast<sockaddr*>(&address), size), 0);
        EXPECT_EQ(::listen(m_socket, 4), 0);
        ::getsockname(m_socket, reinterpret_cast<sockaddr*>(&address), &size);
        port = ntohs(address.sin_port);
        m_thread = std::thread([this] {
            for (;;) {
                const int connection = ::accept(m_socket, nullptr, nullptr);
                if (connection < 0)
                    return;
                std::string request;
                char buffer[4096];
                // Headers, then as much body as Content-Length says.
                while (request.find("</Request>") == std::string::npos) {
                    const ssize_t got = ::recv(connection, buffer, sizeof buffer, 0);
                    if (got <= 0)
                        break;
                    request.append(buffer, size_t(got));
                }
                if (!m_answer.empty())
                    (void)::send(connection, m_answer.data(), m_answer.size(), MSG_NOSIGNAL);
                ::close(connection);
            }
        });
    }
    ~CannedServer()
    {
        ::shutdown(m_socket, SHUT_RDWR);
        ::close(m_socket);
        m_thread.join();
    }
    QUrl url() const { return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port)); }

    int port = 0;

private:
    std::string m_answer;
    int m_socket = -1;
    std::thread m_thread;
};

std::string httpAnswer(const std::string& body, const char* status = "200 OK")
{
    return std::string("HTTP/1.1 ") + status + "\r\nContent-Type: text/xml\r\nContent-Length: " + std::to_string(body.size())
        + "\r\nConnection: close\r\n\r\n" + body;
}

struct Result {
    QString message;
    bool success = false;
    int callbacks = 0;  // which callback: 1 export, 2 cloudReq, 3 import
    QList<double> progress;
};

class CloudTransferTest : public TransferTest {
protected:
    Result run(const QUrl& service, const std::function<void(KVCloudRequest&)>& start, QString* issuedID = nullptr)
    {
        Result result;
        KVCloudRequest request;
        request.setServiceAddress(service);
        request.exportCallback = [&](const QString& m, bool ok) { result = {m, ok, 1, result.progress}; };
        request.cloudReqCallback = [&](const QString& m, bool ok) { result = {m, ok, 2, result.progress}; };
        request.importCallback = [&](const QString& m, bool ok) { result = {m, ok, 3, result.progress}; };
        QObject::connect(&request, &KVCloudRequest::progressChanged, [&](double p) { result.progress.append(p); });
        start(request);
        EXPECT_TRUE(processEventsUntil([&] { return result.callbacks != 0; }, 20000));
        if (issuedID)
            *issuedID = request.ID;
        return result;
    }
    static QList<CloudIDHistoryRow> history() { return KVDatabase::getDatabaseObject().history(); }
};

// The exchanges that reach a real service, once on each of its stores.
class CloudExchangeTest : public CloudTransferTest, public testing::WithParamInterface<StoreKind> {
protected:
    void SetUp() override
    {
        CloudTransferTest::SetUp();
        databases.require(GetParam());
    }
    std::string database() { return databases.create(GetParam()); }
    StoreDatabases databases;
};
KORVEL_FOR_EACH_STORE(CloudExchangeTest);

TEST_P(CloudExchangeTest, ExportsToANewIDAgainToItAndImportsItOnASecondHome)
{
    RunningService service(database());
    storeSomeSettings();
    // A title of "False" must not read as the service's failure answer on the way back.
    settings().allowedWebsites[0].title = QStringLiteral("False");
    clock.setNow(QDateTime(QDate(2026, 3, 1), QTime(9, 0), Qt::LocalTime));

    QString id;
    const Result created = run(service.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("NULL"), false); }, &id);
    ASSERT_TRUE(created.success) << qPrintable(created.message);
    EXPECT_EQ(created.callbacks, 2);
    EXPECT_EQ(id.size(), 20);
    EXPECT_EQ(created.message, QStringLiteral("Exported successfully to ID: ") + id);
    EXPECT_EQ(created.progress.first(), 0.2);
    EXPECT_EQ(created.progress.last(), 1.0);
    EXPECT_TRUE(created.progress.contains(0.4) && created.progress.contains(0.6));
    EXPECT_EQ(CloudTransfer::newIDExported(id, created.message, true).title, QStringLiteral("New Cloud ID"));

    clock.setNow(QDateTime(QDate(2026, 3, 2), QTime(10, 30), Qt::LocalTime));
    settings().allowedWebsites[0].url = QStringLiteral("http://changed.example");
    ASSERT_TRUE(settings().save());
    const Result again = run(service.url(), [&](KVCloudRequest& r) { r.exportToID(id, false); });
    ASSERT_TRUE(again.success) << qPrintable(again.message);
    EXPECT_EQ(again.callbacks, 1);
    CloudTransfer::exportedToID(id, again.message, true);
    EXPECT_EQ(history(), (QList<CloudIDHistoryRow>{{id, 0, QStringLiteral("2026-03-02 10:30:00")}}));

    // A second device: another home directory, nothing configured yet.
    QTemporaryDir second;
    Paths::setHome(second.path());
    reopen();
    const Result imported = run(service.url(), [&](KVCloudRequest& r) { r.importFromID(id); });
    ASSERT_TRUE(imported.success) << qPrintable(imported.message);
    EXPECT_EQ(imported.callbacks, 3);
    EXPECT_EQ(imported.message, QStringLiteral("Imported successfully from ID: ") + id);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://changed.example")});
    EXPECT_EQ(settings().allowedWebsites[0].title, QStringLiteral("False"));
    EXPECT_EQ(urls(settings().blockedWebsites), QStringList{QStringLiteral("http://blocked.example")});
    EXPECT_TRUE(passwordIs("secret"));
    CloudTransfer::importedFromID(id, imported.message, true);
    EXPECT_EQ(history().value(0).action, CloudIDHistoryRow::Imported);
    EXPECT_TRUE(loggedEvents(QStringLiteral("Import")).contains(QStringLiteral("Import Successful from Cloud")));

    // The service kept the device's facts with the document, and never logged a whole ID.
    const std::optional<cloud::DocumentStore::Document> stored = service.store->find(id.toStdString());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->os, "Debian GNU/Linux 12");
    EXPECT_EQ(stored->model, "Test Panel 10");
    for (const std::string& line : service.accessLog())
        EXPECT_EQ(line.find(id.toStdString()), std::string::npos) << line;
}

TEST_F(CloudTransferTest, ADocumentOverTenMebibytesIsNeverSent)
{
    RunningService service;
    QByteArray wallpaper(8 * 1024 * 1024, 'x');  // 8 MiB of Base64 text is 10.7 MiB
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/big.png"), wallpaper));
    KVBrowserPrefSettings& preferences = settings().kvBrowPref;
    preferences.wallpaper = QStringLiteral("big.png");
    ASSERT_TRUE(settings().save());
    const Result refused = run(service.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("ExportForQR"), false); });
    EXPECT_FALSE(refused.success);
    EXPECT_EQ(refused.callbacks, 2);
    EXPECT_EQ(refused.message, QStringLiteral("Export to the cloud failed as the file size exceeds the 10 MB limit."));
    EXPECT_EQ(refused.progress, QList<double>{0.2});
    EXPECT_TRUE(service.accessLog().empty());
}

// Two instances behind a load balancer: a device's requests land on either, and either knows
// the IDs the other issued.
TEST_P(CloudExchangeTest, InstancesOnOneDatabaseServeEachOthersIDs)
{
    const std::string shared = database();
    RunningService first(shared);
    RunningService second(shared);
    storeSomeSettings();
    QString id;
    ASSERT_TRUE(run(first.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("NULL"), false); }, &id).success);
    settings().allowedWebsites[0].url = QStringLiteral("http://second.example");
    ASSERT_TRUE(settings().save());
    const Result stored = run(second.url(), [&](KVCloudRequest& r) { r.exportToID(id, false); });
    ASSERT_TRUE(stored.success) << qPrintable(stored.message);
    settings().allowedWebsites.clear();
    ASSERT_TRUE(settings().save());
    const Result imported = run(first.url(), [&](KVCloudRequest& r) { r.importFromID(id); });
    ASSERT_TRUE(imported.success) << qPrintable(imported.message);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://second.example")});
    // An ID the service never issued is not created by storing to it, and the failure is not remembered.
    const Result refused = run(second.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("ChosenByTheDevice"), false); });
    EXPECT_FALSE(refused.success);
    EXPECT_EQ(refused.message, QStringLiteral("Export unsuccessful. Please try again"));
    EXPECT_EQ(CloudTransfer::exportedToID(QStringLiteral("ChosenByTheDevice"), refused.message, false).title, QStringLiteral("Export Failed"));
    EXPECT_TRUE(history().isEmpty());
    EXPECT_FALSE(first.store->find("ChosenByTheDevice"));
}

TEST_F(CloudTransferTest, BrokenAnswersNeverClearTheSettings)
{
    const std::string notADictionary = "<SettingsXML><![CDATA[ <?xml version=\"1.0\"?><plist version=\"1.0\"><array/></plist> ]]></SettingsXML>";
    const struct {
        const char* name;
        std::string answer;  // empty: the connection is dropped
        const char* message;
    } cases[] = {
        {"an answer of False", httpAnswer("False"), "Import unsuccessful. Please try again"},
        {"an empty answer", httpAnswer(""), "Import unsuccessful. Please try again"},
        {"no SettingsXML", httpAnswer("<Response><CloudID>ABCDEFGHIJ</CloudID></Response>"), "Import unsuccessful. Please try again"},
        {"an unparseable SettingsXML", httpAnswer("<SettingsXML><![CDATA[ <plist><dict><key>AllowedWebsites ]]></SettingsXML>"),
         "Import unsuccessful. Please try again"},
        {"a SettingsXML that is no dictionary", httpAnswer(notADictionary), "Import unsuccessful. Please try again"},
        {"an error status", httpAnswer("<html>oops</html>", "500 Internal Server Error"), "Import failed with error: \"HTTP 500"},
        {"a dropped connection", std::string(), "Import failed with error: \""},
    };
    storeSomeSettings();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CannedServer server(c.answer);
        const Result result = run(server.url(), [](KVCloudRequest& r) { r.importFromID(QStringLiteral("ABCDEFGHIJ")); });
        EXPECT_FALSE(result.success);
        EXPECT_TRUE(result.message.startsWith(QString::fromUtf8(c.message))) << qPrintable(result.message);
        EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
        EXPECT_EQ(settings().allowedWebsitesCategories.size(), 1);
        EXPECT_EQ(urls(settings().blockedWebsites), QStringList{QStringLiteral("http://blocked.example")});
        EXPECT_TRUE(passwordIs("secret"));
    }
    EXPECT_TRUE(history().isEmpty());
}

// A store's answer follows the three rules (False fails, an empty answer fails, no CloudID is no
// failure); the ID it issues is data from the network: one that is not 10 to 64 letters, digits,
// "-" and "_" is no ID, the export fails and nothing is recorded.
TEST_F(CloudTransferTest, StoreAnswersFollowTheThreeRulesAndOnlyAValidIssuedIDIsRecorded)
{
    const struct {
        std::string body;
        const char* issued;  // nullptr: the export fails
        bool taken;
    } cases[] = {
        {"<Response>stored</Response>", "", false},
        {"<CloudID>ABCDEFGHIJ</CloudID>False", nullptr, false},
        {"", nullptr, false},
        {"<Response><CloudID><b>ABCDEFGHIJ</b></CloudID></Response>", "<b>ABCDEFGHIJ</b>", false},
        {"<Response><CloudID></CloudID></Response>", "", false},
        {"<Response><CloudID>ABCDEFGHI</CloudID></Response>", "ABCDEFGHI", false},
        {"<Response><CloudID>ABCDEFGHIJ K</CloudID></Response>", "ABCDEFGHIJ K", false},
        {"<Response><CloudID>A0123456789012345678901234567890123456789012345678901234567890123</CloudID></Response>",
         "A0123456789012345678901234567890123456789012345678901234567890123", false},
        {"<Response><CloudID>Ab-3_defghij</CloudID></Response>", "Ab-3_defghij", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        CannedServer server(httpAnswer(c.body));
        QString issued;
        const Result result = run(server.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("NULL"), false); }, &issued);
        EXPECT_EQ(result.success, c.issued != nullptr);
        EXPECT_EQ(result.message, c.issued ? QStringLiteral("Exported successfully to ID: ") + QString::fromUtf8(c.issued)
                                           : QStringLiteral("Export unsuccessful. Please try again"));
        EXPECT_EQ(CloudTransfer::newIDExported(issued, result.message, result.success).ok, c.taken);
        EXPECT_EQ(history().size(), c.taken ? 1 : 0);
    }
    EXPECT_FALSE(CloudTransfer::isValidID(QStringLiteral("<img src=x>1234")));
    EXPECT_TRUE(CloudTransfer::isValidID(QStringLiteral("abcdefghij")));
}

TEST_P(CloudExchangeTest, AFetchGivesTheStoredDocumentTextWithoutApplyingIt)
{
    RunningService service(database());
    storeSomeSettings();
    QString id;
    ASSERT_TRUE(run(service.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("NULL"), false); }, &id).success);
    const QByteArray expected = SettingsDocument::settingsDocumentXML(SettingsDocument::buildSettingsDocument());
    settings().allowedWebsites.clear();
    ASSERT_TRUE(settings().save());

    const auto fetch = [&](const QString& cloudID) {
        std::optional<KVCloudRequest::Fetch> fetched;
        KVCloudRequest request;
        request.setServiceAddress(service.url());
        request.fetchSettingsText(cloudID, [&](const KVCloudRequest::Fetch& f) { fetched = f; });
        EXPECT_TRUE(processEventsUntil([&] { return fetched.has_value(); }));
        return fetched.value_or(KVCloudRequest::Fetch{});
    };
    const KVCloudRequest::Fetch known = fetch(id);
    ASSERT_TRUE(known.text) << qPrintable(known.error);
    EXPECT_EQ(*known.text, expected.trimmed());
    EXPECT_EQ(known.status, 200);
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());
    EXPECT_FALSE(fetch(QStringLiteral("NoSuchCloudID0000000")).text);
}

// The automatic import through the real client: a changed document is applied once, an unchanged
// one never, and the fetch runs on the worker's thread.
TEST_P(CloudExchangeTest, TheAutomaticImportTakesAChangedCloudDocumentOnce)
{
    RunningService service(database());
    storeSomeSettings();
    QString id;
    ASSERT_TRUE(run(service.url(), [](KVCloudRequest& r) { r.exportToID(QStringLiteral("NULL"), false); }, &id).success);

    KVAutoImport& worker = KVAutoImport::getAutoImportObject();
    worker.setCloudFetcher([url = service.url()](const QString& cloudID) { return KVCloudRequest::importRequest(cloudID, url); });
    int imports = 0;
    QObject context;
    QObject::connect(&worker, &KVAutoImport::imported, &context, [&] { ++imports; });
    const auto tick = [&] {
        bool ended = false;
        QObject ending;
        QObject::connect(&worker, &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
        worker.autoImport();
        ASSERT_TRUE(processEventsUntil([&] { return ended; }, 20000));
    };
    settings().kvAutoImport.cloudID = id;
    KVAutoImport::storeSection({true, 1, QString(), QStringLiteral("10")});
    settings().allowedWebsites.clear();
    ASSERT_TRUE(settings().save());

    tick();
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    tick();
    EXPECT_EQ(imports, 1);
    const QStringList log = loggedEvents(QStringLiteral("AutoImport"));
    // The second tick's line came within the minute: it is folded into a count.
    EXPECT_EQ(log.count(QStringLiteral("Connected to Cloud, loading settings")), 1);
    EXPECT_TRUE(log.contains(QStringLiteral("Connected to Cloud, loading settings ... repeated 1 times"))) << qPrintable(log.join('\n'));
    EXPECT_TRUE(log.contains(QStringLiteral("Not Imported as same as previous AutoImport")));
    EXPECT_EQ(KVDatabase::getDatabaseObject().history().value(0).action, CloudIDHistoryRow::AutoImported);

    settings().kvAutoImport.cloudID = QStringLiteral("NoSuchCloudID0000000");
    ASSERT_TRUE(settings().save());
    tick();
    EXPECT_EQ(imports, 1);
    EXPECT_TRUE(loggedEvents(QStringLiteral("AutoImport")).contains(QStringLiteral("Warning: Connection to Cloud failed with code: 200")));
    worker.setCloudFetcher({});
}

TEST_F(CloudTransferTest, ACancelledExchangeReportsNothing)
{
    RunningService service;
    storeSomeSettings();
    bool called = false;
    {
        KVCloudRequest request;
        request.setServiceAddress(service.url());
        request.importCallback = [&](const QString&, bool) { called = true; };
        request.importFromID(QStringLiteral("NoSuchCloudID0000000"));
        request.cancel();
        processEventsUntil([] { return false; }, 300);
    }
    EXPECT_FALSE(called);
}

TEST_F(CloudTransferTest, TheServiceAddressComesFromTheOptionTheEnvironmentOrTheManagedConfiguration)
{
    ASSERT_TRUE(writeFile(Paths::managedConfigurationFile(),
                          PropertyList::toXml(QVariantMap{{QStringLiteral("CloudService"), QStringLiteral("https://managed.example/cloud")}})));
    restart();
    qunsetenv("KORVEL_CLOUD_SERVICE");
    EXPECT_EQ(CloudService::address().url, QUrl(QStringLiteral("https://managed.example/cloud")));
    qputenv("KORVEL_CLOUD_SERVICE", "http://environment.example:8380");
    EXPECT_EQ(CloudService::address().url, QUrl(QStringLiteral("http://environment.example:8380")));
    ASSERT_TRUE(CloudService::configureFromArguments(
        {QStringLiteral("korvel"), QStringLiteral("--cloud-service"), QStringLiteral("https://option.example")}));
    EXPECT_EQ(CloudService::address().url, QUrl(QStringLiteral("https://option.example")));
    EXPECT_FALSE(CloudService::configureFromArguments({QStringLiteral("korvel"), QStringLiteral("--cloud-service")}));
    CloudService::setCommandLineAddress(QString());
    qputenv("KORVEL_CLOUD_SERVICE", "file:///etc/passwd");
    EXPECT_FALSE(CloudService::address().url);
    qunsetenv("KORVEL_CLOUD_SERVICE");

    EXPECT_EQ(CloudService::endpoint(QUrl(QStringLiteral("https://h.example/base/")), CloudService::Resource::GetSettings),
              QUrl(QStringLiteral("https://h.example/base/getsettings.ashx")));
}

TEST_F(CloudTransferTest, TheHistoryListReadsNewestFirst)
{
    KVDatabase& database = KVDatabase::getDatabaseObject();
    ASSERT_TRUE(database.createTable());
    clock.setNow(QDateTime(QDate(2026, 1, 5), QTime(14, 5), Qt::LocalTime));
    database.insertUpdateRow(QStringLiteral("EXPORTED00"), 0);
    clock.setNow(QDateTime(QDate(2026, 1, 6), QTime(9, 7), Qt::LocalTime));
    database.insertUpdateRow(QStringLiteral("AUTOMATIC0"), 7);
    const QList<CloudTransfer::HistoryItem> items = CloudTransfer::historyItems();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0].title, QStringLiteral("ID: AUTOMATIC0"));
    EXPECT_EQ(items[0].detail, QStringLiteral("Auto-Imported on: 01/06/2026 at 09:07 AM"));
    EXPECT_EQ(items[0].icon, QStringLiteral("auto_import_cloud.png"));
    EXPECT_EQ(items[1].detail, QStringLiteral("Exported on: 01/05/2026 at 02:05 PM"));
    EXPECT_EQ(CloudTransfer::historyHeader(false), QStringLiteral("  History"));
    ASSERT_TRUE(CloudTransfer::clearHistory());
    EXPECT_TRUE(CloudTransfer::historyItems().isEmpty());
    EXPECT_EQ(CloudTransfer::historyHeader(true), QStringLiteral("  No History"));
}

TEST(CloudServer, BehindATrustedProxyEachDeviceHasItsOwnLimit)
{
    cloud::CloudServer::Options options;
    options.ratePerMinute = 1;
    options.rateBurst = 1;
    options.trustedProxy = "127.0.0.1";
    RunningService service({}, options);
    httplib::Client client("127.0.0.1", service.port);
    const std::string body = "<Request><CloudID>ABCDEFGHIJ</CloudID></Request>";
    const struct {
        const char* forwardedFor;
        int status;
    } requests[] = {
        {"10.0.0.1", 200},
        {"10.0.0.2", 200},
        {"10.0.0.1", 429},
        {"10.0.0.9, 10.0.0.2", 429},  // the proxy's own entry is the last one; the client's claim is not believed
        {"10.0.0.2, 10.0.0.3", 200},
    };
    for (const auto& r : requests) {
        const httplib::Result result = client.Post("/getsettings.ashx", {{"X-Forwarded-For", r.forwardedFor}}, body, "text/xml");
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, r.status) << r.forwardedFor;
    }
    // The lines are written once the answers have gone, so not always in the requests' order.
    ASSERT_TRUE(processEventsUntil([&] { return service.accessLog().size() == std::size(requests); }));
    const std::vector<std::string> lines = service.accessLog();
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("\"client\":\"10.0.0.3\"") != std::string::npos && line.find("\"status\":200") != std::string::npos;
    }));
}

// korvelctl and korvel-cloud as an administrator runs them.
class CloudCommandTest : public KorvelctlProcess {
protected:
    // Starts korvel-cloud on a free port of 127.0.0.1 and returns that port (0 when it did not say).
    static int startService(QProcess& service, const QString& database, const QStringList& more = {})
    {
        service.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvel-cloud"),
                      QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--database"), database} + more);
        QString banner;
        EXPECT_TRUE(processEventsUntil([&] {
            service.waitForReadyRead(50);
            banner += QString::fromUtf8(service.readAllStandardError());
            return banner.contains(QLatin1Char('\n'));
        }));
        return banner.section(QLatin1Char(':'), -1).trimmed().toInt();
    }
};

class CloudCommandStoreTest : public CloudCommandTest, public testing::WithParamInterface<StoreKind> {
protected:
    void SetUp() override
    {
        CloudCommandTest::SetUp();
        databases.require(GetParam());
    }
    StoreDatabases databases;
};
KORVEL_FOR_EACH_STORE(CloudCommandStoreTest);

TEST_P(CloudCommandStoreTest, ExportImportAndHistoryThroughKorvelctlAndARealService)
{
    QProcess service;
    const int port = startService(service, QString::fromStdString(databases.create(GetParam())));
    ASSERT_GT(port, 0);
    const QString address = QStringLiteral("http://127.0.0.1:%1").arg(port);

    ok({"sites", "add", "http://fleet.example"});
    const CtlRun exported = ctl({QStringLiteral("cloud"), QStringLiteral("export"), QStringLiteral("--service"), address});
    ASSERT_EQ(exported.status, 0) << qPrintable(exported.err);
    const QString id = exported.out.section(QStringLiteral("ID: "), -1).trimmed();
    EXPECT_EQ(id.size(), 20);
    EXPECT_EQ(ctl({QStringLiteral("cloud"), QStringLiteral("export"), QStringLiteral("--id"), id, QStringLiteral("--service"), address}).status, 0);
    ok({"sites", "remove", "0"});
    EXPECT_EQ(ctl({QStringLiteral("cloud"), QStringLiteral("import"), id, QStringLiteral("--service"), address}).status, 0);
    EXPECT_TRUE(ok({"sites", "list"}).contains(QStringLiteral("http://fleet.example")));
    const QStringList history = ctl({"cloud", "history"}).lines();
    ASSERT_EQ(history.size(), 2);
    EXPECT_TRUE(history[1].startsWith(QStringLiteral("ID: ") + id + QStringLiteral("\tImported on: "))) << qPrintable(history[1]);

    const CtlRun shortID = ctl({QStringLiteral("cloud"), QStringLiteral("import"), QStringLiteral("123456789"), QStringLiteral("--service"), address});
    EXPECT_EQ(shortID.status, 2);
    EXPECT_EQ(shortID.err, QStringLiteral("Invalid ID\n"));
    EXPECT_TRUE(shortID.out.isEmpty());
    const CtlRun unknown = ctl({QStringLiteral("cloud"), QStringLiteral("import"), QStringLiteral("1234567890"), QStringLiteral("--service"), address});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.err.startsWith(QStringLiteral("Import Failed: Import unsuccessful. Please try again\n"))) << qPrintable(unknown.err);

    // A clean stop on SIGTERM, with one access-log line per request.
    service.terminate();
    ASSERT_TRUE(service.waitForFinished(5000));
    EXPECT_EQ(service.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(service.exitCode(), 0);
    const QList<QByteArray> log = service.readAllStandardOutput().trimmed().split('\n');
    ASSERT_EQ(log.size(), 4);
    EXPECT_TRUE(log[0].contains("\"path\":\"/putsettings.ashx\",\"status\":200,\"outcome\":\"created\"")) << log[0].constData();
    EXPECT_TRUE(log[3].contains("\"outcome\":\"unknown-id\"")) << log[3].constData();
}

TEST_F(CloudCommandTest, WithoutItsDatabaseTheServiceRefusesToStartAndSaysWhy)
{
    QTemporaryDir data;
    const struct {
        QString database;
        const char* reason;
    } cases[] = {
        {QStringLiteral("postgresql://cloud:s3cret@/korvel?host=%1&port=1").arg(data.path()),
         "cannot open the database postgresql://cloud:***@/korvel?host="},
        {QStringLiteral("postgres://127.0.0.1:1/korvel?password=s3cret&connect_timeout=2"),
         "cannot open the database postgres://127.0.0.1:1/korvel?password=***&connect_timeout=2: connection to server"},
        {data.path() + QStringLiteral("/no/such/folder/cloud.db"), "cannot open the database "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.database.toStdString());
        QProcess service;
        service.start(QCoreApplication::applicationDirPath() + QStringLiteral("/korvel-cloud"),
                      {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"), QStringLiteral("--database"), c.database});
        ASSERT_TRUE(service.waitForFinished(15000));
        EXPECT_EQ(service.exitCode(), 1);
        const QString message = QString::fromUtf8(service.readAllStandardError());
        EXPECT_TRUE(message.startsWith(QStringLiteral("korvel-cloud: ") + QString::fromUtf8(c.reason))) << qPrintable(message);
        EXPECT_FALSE(message.contains(QStringLiteral("s3cret"))) << qPrintable(message);
        EXPECT_FALSE(message.contains(QStringLiteral("listening")));
    }
}

TEST_F(CloudCommandTest, TheServiceBoundsBodiesAndRatesPerClient)
{
    QProcess service;
    QTemporaryDir data;
    const int port = startService(service, data.path() + QStringLiteral("/cloud.db"), {QStringLiteral("--rate-limit"), QStringLiteral("4")});
    ASSERT_GT(port, 0);
    httplib::Client client("127.0.0.1", port);
    const std::string tooLarge = "<Request><CloudID></CloudID><SettingsXML>" + std::string(10 * 1024 * 1024, 'x') + "</SettingsXML></Request>";
    const httplib::Result large = client.Post("/putsettings.ashx", tooLarge, "text/xml");
    ASSERT_TRUE(large);
    EXPECT_EQ(large->status, 413);
    EXPECT_EQ(large->body, "False");
    // A burst of two (half of four a minute) is spent with the refused request and one more.
    const httplib::Result second = client.Post("/getsettings.ashx", "<Request><CloudID>ABCDEFGHIJ</CloudID></Request>", "text/xml");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->status, 200);
    const httplib::Result limited = client.Post("/getsettings.ashx", "<Request><CloudID>ABCDEFGHIJ</CloudID></Request>", "text/xml");
    ASSERT_TRUE(limited);
    EXPECT_EQ(limited->status, 429);
    EXPECT_EQ(limited->body, "False");
    // A load balancer's health checks are answered whatever the rate.
    const httplib::Result health = client.Get("/healthz");
    ASSERT_TRUE(health);
    EXPECT_EQ(health->status, 200);
    EXPECT_EQ(health->body, "ok\n");
    service.terminate();
    ASSERT_TRUE(service.waitForFinished(5000));
    EXPECT_EQ(service.exitCode(), 0);
}

}  // namespace
}  // namespace korvel::test
