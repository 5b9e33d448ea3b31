#include "log/KVDatabase.h"
#include "platform/MockClock.h"
#include "tests/support/EventLoop.h"
#include "tests/support/ScopedHttpServer.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/KVAutoImport.h"

#include <QFile>

namespace korvel::test {
namespace {

using namespace std::chrono_literals;

QVariantMap documentWith(const char* url)
{
    return {{QStringLiteral("AllowedWebsites"), QVariantList{site(url, 1)}}};
}

// The shared worker on mock time, with a page server for the address source.
class AutoImportTest : public TransferTest {
protected:
    void SetUp() override
    {
        TransferTest::SetUp();
        Clock::setInstance(&clock);
        http.Get("/settings.plist", [this](const httplib::Request&, httplib::Response& response) {
            std::lock_guard<std::mutex> lock(mutex);
            response.status = status;
            response.set_content(body, "application/xml");
        });
        ASSERT_TRUE(server.start());
        port = server.port();
        QObject::connect(&worker(), &KVAutoImport::imported, &context, [this] { ++imports; });
    }
    void TearDown() override
    {
        worker().stop();
        worker().setCloudFetcher({});
        QObject::disconnect(&worker(), nullptr, &context, nullptr);
        server.stop();
        Clock::setInstance(nullptr);
        TransferTest::TearDown();
    }
    static KVAutoImport& worker() { return KVAutoImport::getAutoImportObject(); }

    void serve(int code, const QByteArray& text)
    {
        std::lock_guard<std::mutex> lock(mutex);
        status = code;
        body = text.toStdString();
    }
    void choose(int source, const QString& path, bool enabled = true)
    {
        KVAutoImport::storeSection({enabled, source, path, QStringLiteral("10")});
    }
    // One tick, waited for.
    void tick()
    {
        bool ended = false;
        QObject ending;
        QObject::connect(&worker(), &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
        worker().autoImport();
        if (worker().isFetching())
            ASSERT_TRUE(processEventsUntil([&] { return ended; }));
    }
    QStringList autoImportLog() const { return loggedEvents(QStringLiteral("AutoImport")); }

    MockClock clock;
    std::mutex mutex;
    int status = 200;
    std::string body;
    test::ScopedHttpServer server;
    httplib::Server& http = server.http();
    int port = 0;
    QObject context;
    int imports = 0;
};

TEST_F(AutoImportTest, PeriodsOutsideOneToAThousandMinutesBecomeOne)
{
    const struct {
        const char* typed;
        qint32 stored;
    } cases[] = {{"0", 1}, {"-5", 1}, {"1001", 1}, {"1000", 1000}, {"abc", 1}, {"7", 7}};
    for (const auto& c : cases) {
        KVAutoImport::storeSection({true, 2, QStringLiteral("http://x.example/a.plist"), QString::fromLatin1(c.typed)});
        reopen();
        EXPECT_EQ(settings().kvAutoImport.periodicity, c.stored) << c.typed;
    }
    EXPECT_EQ(settings().kvAutoImport.urlAutoImport, QStringLiteral("http://x.example/a.plist"));
    EXPECT_TRUE(settings().kvAutoImport.doAutoImport);
    EXPECT_EQ(settings().kvAutoImport.importFrom, 2);
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("AutoImport Periodicity Changed: 1000")));
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("AutoImportEnable Changed: 1"))) << qPrintable(autoImportLog().join('\n'));
}

TEST_F(AutoImportTest, TheTimerTicksEveryPeriodOnlyWhileStarted)
{
    putDocument(QStringLiteral("Fleet.plist"), documentWith("http://first.example"));
    KVAutoImport::storeSection({true, 0, QStringLiteral("Fleet.plist"), QStringLiteral("5")});
    worker().start();
    EXPECT_EQ(worker().caseState(), 1);
    clock.advance(4min + 59s);
    EXPECT_EQ(imports, 0);
    clock.advance(1s);
    ASSERT_TRUE(processEventsUntil([&] { return imports == 1; }));
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://first.example")});

    worker().stop();
    EXPECT_EQ(worker().caseState(), 0);
    putDocument(QStringLiteral("Fleet.plist"), documentWith("http://second.example"));
    clock.advance(20min);
    processEventsUntil([] { return false; }, 100);
    EXPECT_EQ(imports, 1);
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("AutoImport Stopped")));
}

TEST_F(AutoImportTest, TurnedOffATickWritesNothing)
{
    choose(0, QStringLiteral("Korvel.plist"), false);
    const QStringList before = autoImportLog();
    tick();
    EXPECT_EQ(autoImportLog(), before);
}

TEST_F(AutoImportTest, ADocumentIsAppliedOnceWhateverItsLayout)
{
    putDocument(QStringLiteral("Fleet.plist"), documentWith("http://first.example"));
    choose(0, QStringLiteral("Fleet.plist"));
    tick();
    EXPECT_EQ(imports, 1);
    // The same content written by another program: other white space, another key order.
    ASSERT_TRUE(placeDocument(QStringLiteral("Fleet.plist"),
                          "<?xml version=\"1.0\"?><plist version=\"1.0\"><dict><key>AllowedWebsites</key><array><dict>"
                          "<key>URL</key><string>http://first.example</string><key>AllowedWebsiteId</key><integer>1</integer>"
                          "</dict></array></dict></plist>"));
    reopen();
    tick();
    EXPECT_EQ(imports, 1);
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("Not Imported as same as previous AutoImport")));

    putDocument(QStringLiteral("Fleet.plist"), documentWith("http://second.example"));
    tick();
    EXPECT_EQ(imports, 2);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://second.example")});
    EXPECT_TRUE(loggedEvents(QStringLiteral("Autoimport")).contains(QStringLiteral("AutoImported settings from file successfully")))
        << qPrintable(loggedEvents(QStringLiteral("Autoimport")).join('\n'));
}

// While the administrator is in the settings nothing is pulled from under them: a fetch that lands
// and a tick that falls due wait, are not recorded as applied, and run once the settings close.
TEST_F(AutoImportTest, WhileTheSettingsAreOpenImportsWaitAndRunWhenTheyClose)
{
    putDocument(QStringLiteral("Fleet.plist"), documentWith("http://first.example"));
    choose(0, QStringLiteral("Fleet.plist"));
    worker().start();
    bool ended = false;
    QObject ending;
    QObject::connect(&worker(), &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
    worker().autoImport();
    worker().pause();  // the settings open while the file is being read
    ASSERT_TRUE(processEventsUntil([&] { return ended; }));
    tick();  // due while they are open
    EXPECT_EQ(imports, 0);
    EXPECT_TRUE(settings().allowedWebsites.isEmpty());
    EXPECT_TRUE(settings().kvAutoImport.oldXMLSettings.isEmpty()) << "not recorded as applied";
    EXPECT_EQ(worker().caseState(), 0);

    ended = false;
    worker().resume();
    ASSERT_TRUE(processEventsUntil([&] { return ended; }));
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://first.example")});
    EXPECT_EQ(worker().caseState(), 1);
}

TEST_F(AutoImportTest, AnAddressThatFailsOrHoldsNoSettingsChangesNothing)
{
    storeSomeSettings();
    const QString address = QStringLiteral("http://127.0.0.1:%1/settings.plist").arg(port);
    const struct {
        int status;
        QByteArray body;
        const char* line;
    } cases[] = {
        {404, PropertyList::toXml(documentWith("http://404.example")),
         "Error: URL Not Reachable!! Either the file does not exsist or server is not responding."},
        {500, "<html>Internal error</html>", "Error: AutoImport unsuccessful as settings file not found."},
        {200, "AllowedWebsites but no property list", "Error: AutoImport unsuccessful, not a settings document: not a property list: not a valid XML property list: line 1: an element was expected"},
    };
    choose(2, address);
    for (const auto& c : cases) {
        serve(c.status, c.body);
        tick();
        EXPECT_TRUE(autoImportLog().contains(QString::fromLatin1(c.line))) << c.status << "\n" << qPrintable(autoImportLog().join('\n'));
    }
    EXPECT_EQ(imports, 0);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://kept.example")});
    EXPECT_TRUE(passwordIs("secret"));

    choose(2, QStringLiteral("127.0.0.1/settings.plist"));
    tick();
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("Error: Not valid URL. No URL Scheme found.")));
    EXPECT_TRUE(autoImportLog().contains(QStringLiteral("Error: No Settings from URL imported")));

    // A status other than 404 with a settings document is taken.
    serve(500, PropertyList::toXml(documentWith("http://served.example")));
    choose(2, address);
    tick();
    EXPECT_EQ(imports, 1);
    EXPECT_EQ(urls(settings().allowedWebsites), QStringList{QStringLiteral("http://served.example")});
}

TEST_F(AutoImportTest, TheWallpaperOnTheDeviceIsNotReplaced)
{
    ASSERT_TRUE(writeFile(documents() + QStringLiteral("/wall.png"), "the device's own"));
    QVariantMap document = documentWith("http://walls.example");
    document.insert(QStringLiteral("Files"), QVariantList{QVariantMap{{QStringLiteral("FileName"), QStringLiteral("wall.png")},
                                                                      {QStringLiteral("FileData"), QString::fromLatin1(QByteArray("from the document").toBase64())}}});
    putDocument(QStringLiteral("Fleet.plist"), document);
    choose(0, QStringLiteral("Fleet.plist"));
    tick();
    EXPECT_EQ(imports, 1);
    QFile wall(documents() + QStringLiteral("/wall.png"));
    ASSERT_TRUE(wall.open(QIODevice::ReadOnly));
    EXPECT_EQ(wall.readAll(), QByteArray("the device's own"));
}

TEST_F(AutoImportTest, ACloudTickWritesItsHistoryRow)
{
    QString asked;
    worker().setCloudFetcher([&asked](const QString& id) {
        asked = id;
        AutoImportFetch fetch;
        fetch.text = QString::fromUtf8(PropertyList::toXml(documentWith("http://cloud.example")));
        return fetch;
    });
    settings().kvAutoImport.cloudID = QStringLiteral("fleet-id-0123456789");
    choose(1, QString());
    tick();
    EXPECT_EQ(asked, QStringLiteral("fleet-id-0123456789"));
    EXPECT_EQ(imports, 1);
    const QList<CloudIDHistoryRow> rows = KVDatabase::getDatabaseObject().history();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().cloudID, QStringLiteral("fleet-id-0123456789"));
    EXPECT_EQ(rows.first().action, 2);
}

}  // namespace
}  // namespace korvel::test
