// Settings planted through Documents over the network, end to end: a file arrives at the real upload
// server (curl plays the page and the device on the network), then the automatic import or "Import
// from File" is asked to take it. Only what was uploaded with the access code is taken.
#include "files/KVServerStarter.h"
#include "tests/support/EventLoop.h"
#include "tests/transfer/TransferFixture.h"
#include "transfer/KVAutoImport.h"

#include <QProcess>

namespace korvel::test {
namespace {

const QString sourceResources = QStringLiteral(KORVEL_SOURCE_DIR "/resources");
const QString code = QStringLiteral("7319-2468");

// A settings document that would open the kiosk: its own password and a site of the attacker's.
QByteArray plantedDocument()
{
    return PropertyList::toXml(QVariantMap{
        {QStringLiteral("AllowedWebsites"), QVariantList{site("http://attacker.example", 1)}},
        {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("pwned"))}}}});
}

class PlantedSettingsTest : public TransferTest {
protected:
    void SetUp() override
    {
        TransferTest::SetUp();
        setPassword("4711");
        ASSERT_TRUE(writeFile(home() + QStringLiteral("/planted"), plantedDocument()));
        server = std::make_unique<KVServerStarter>(documents(), sourceResources + QStringLiteral("/upload"),
                                                   sourceResources + QStringLiteral("/korvel_error.html"));
        // As the kiosk names them: the files the automatic import and "Import from File" read.
        server->setSettingsDocumentNames({QStringLiteral("Korvel.plist")});
        ASSERT_TRUE(server->startServerConnectionWith(0));
    }
    void TearDown() override
    {
        KVAutoImport::getAutoImportObject().stop();
        server.reset();
        TransferTest::TearDown();
    }

    // Uploads the planted document as `name` from a device on the network (or a page, with its
    // Origin), with the access code when `withCode`; the HTTP status.
    int upload(const QString& name, bool withCode, const QString& origin = {}) const
    {
        QStringList arguments{QStringLiteral("-s"), QStringLiteral("-o"), QStringLiteral("/dev/null"), QStringLiteral("-w"),
                              QStringLiteral("%{http_code}"), QStringLiteral("--interface"), QStringLiteral("127.0.0.9"),
                              QStringLiteral("-F"), QStringLiteral("file=@%1/planted;filename=%2").arg(home(), name)};
        if (withCode)
            arguments << QStringLiteral("-H") << QStringLiteral("X-Access-Code: ") + code;
        if (!origin.isEmpty())
            arguments << QStringLiteral("-H") << QStringLiteral("Origin: ") + origin;
        arguments << QStringLiteral("http://127.0.0.1:%1/upload").arg(server->getPortNumber());
        QProcess curl;
        curl.start(QStringLiteral("curl"), arguments);
        curl.waitForFinished(30000);
        return curl.readAllStandardOutput().toInt();
    }
    // One tick of the automatic import from the file `name`, waited for.
    static void autoImportTick(const QString& name)
    {
        KVAutoImport::storeSection({true, 0, name, QStringLiteral("10")});
        KVAutoImport& worker = KVAutoImport::getAutoImportObject();
        bool ended = false;
        QObject ending;
        QObject::connect(&worker, &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
        worker.autoImport();
        if (worker.isFetching())
            ASSERT_TRUE(processEventsUntil([&] { return ended; }));
    }
    bool planted() const { return passwordIs("pwned") || urls(settings().allowedWebsites).contains(QStringLiteral("http://attacker.example")); }

    std::unique_ptr<KVServerStarter> server;
};

// A page posts a fake document to the kiosk's own upload server, then the automatic import runs:
// the page's post is refused, and a file the import reads that came without the code (uploaded
// before the administrator pointed the import at it) is never applied.
TEST_F(PlantedSettingsTest, APagesPostWithoutTheCodeIsNeverTakenByTheAutomaticImport)
{
    EXPECT_EQ(upload(QStringLiteral("Korvel.plist"), false, QStringLiteral("http://allowed.test")), 403);
    EXPECT_EQ(upload(QStringLiteral("Korvel.plist"), false), 403);
    autoImportTick(QStringLiteral("Korvel.plist"));
    EXPECT_FALSE(planted());

    ASSERT_EQ(upload(QStringLiteral("kiosk.conf"), false), 200);
    autoImportTick(QStringLiteral("kiosk.conf"));
    EXPECT_FALSE(planted());
    EXPECT_TRUE(loggedEvents(QStringLiteral("AutoImport"))
                    .contains(QStringLiteral("Error: AutoImport refused, kiosk.conf was uploaded without the access code; only files saved "
                                             "by the settings, placed with korvelctl or uploaded with the access code are imported")))
        << qPrintable(loggedEvents(QStringLiteral("AutoImport")).join('\n'));

    // The administrator's upload, with the code, is taken.
    server->setAccessCode(code);
    ASSERT_EQ(upload(QStringLiteral("kiosk.conf"), true), 200);
    autoImportTick(QStringLiteral("kiosk.conf"));
    EXPECT_TRUE(planted());
}

// A device on the network uploads a document without the code (none is set, so anyone may write),
// then the administrator types its name into "Import from File": it is refused and says why.
TEST_F(PlantedSettingsTest, AnUploadWithoutTheCodeIsRefusedByImportFromFile)
{
    ASSERT_EQ(upload(QStringLiteral("settings.txt"), false), 200);
    const TransferResult refused = ImportExport::importFromFile(QStringLiteral("settings.txt"));
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.alert.message,
              QStringLiteral("settings.txt was not imported: it was uploaded without the access code. Only files saved by the settings, "
                             "placed with korvelctl or uploaded with the access code are imported. Nothing was changed."));
    EXPECT_FALSE(planted());
    EXPECT_EQ(loggedEvents(QStringLiteral("Import")).filter(QStringLiteral("Import refused, settings.txt was uploaded without")).size(), 1);

    server->setAccessCode(code);
    ASSERT_EQ(upload(QStringLiteral("settings.txt"), true), 200);
    EXPECT_TRUE(ImportExport::importFromFile(QStringLiteral("settings.txt")).ok);
    EXPECT_TRUE(planted());
}

}  // namespace
}  // namespace korvel::test
