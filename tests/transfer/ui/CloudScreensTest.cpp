#include "cloud/CloudDocumentStore.h"
#include "cloud/CloudServer.h"
#include "log/KVDatabase.h"
#include "log/KVLogger.h"
#include "platform/NotificationCenter.h"
#include "platform/ui/Alert.h"
#include "platform/ui/TableView.h"
#include "platform/ui/WaitingAlertView.h"
#include "settings/KVSettings.h"
#include "tests/support/EventLoop.h"
#include "tests/support/WindowTest.h"
#include "transfer/CloudQrCode.h"
#include "transfer/CloudService.h"
#include "transfer/ui/CloudExchange.h"
#include "transfer/ui/WelcomeCloudImportScreen.h"
#include "transfer/ui/KVExportCloudIDViewController.h"
#include "transfer/ui/KVExportToCloudWithQRCodeViewController.h"
#include "transfer/ui/KVImportExportCloudViewController.h"
#include "transfer/ui/KVImportExportViewController.h"
#include "transfer/ui/KVScanQRForImportViewController.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTemporaryDir>

#include <thread>

namespace korvel {
namespace {

// The cloud screens on a real korvel-cloud on 127.0.0.1, reached through the configured address.
class CloudScreensTest : public test::WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        KVLogger::createDatabase_Tables();
        std::string error;
        ASSERT_TRUE(store.open((data.path() + QStringLiteral("/cloud.db")).toStdString(), &error)) << error;
        server = std::make_unique<cloud::CloudServer>(store, cloud::CloudServer::Options{0, 1, {}, [](const std::string&) {}});
        const int port = server->bind("127.0.0.1", 0);
        ASSERT_GT(port, 0);
        thread = std::thread([this] { server->listen(); });
        CloudService::setCommandLineAddress(QStringLiteral("http://127.0.0.1:%1").arg(port));
        makeStack();
    }
    void TearDown() override
    {
        CloudService::setCommandLineAddress(QString());
        // The screens' connections close first, or the server would wait out their keep-alive.
        window.reset();
        flushDeletes();
        server->stop();
        thread.join();
        WindowTest::TearDown();
    }

    static bool alertShown()
    {
        return test::processEventsUntil([] { return Alert::visibleAlert() != nullptr; }, 10000);
    }
    static void type(TableView* table, int fieldRow, const QString& text)
    {
        table->cellWithId(fieldRow)->textField()->setText(text);
    }
    void storeOneSite(const char* url)
    {
        allowedWebsite site;
        site.url = QString::fromUtf8(url);
        settings().allowedWebsites = {site};
        ASSERT_TRUE(settings().save());
    }
    // A new ID holding the stored settings, issued through the export screen, which stays on top.
    QString exportToNewID()
    {
        auto* exporter = new KVExportCloudIDViewController;
        stack->push(exporter, Animation::None);
        exporter->didSelectRow(KVExportCloudIDViewController::ExportToNewID);
        if (!alertShown())
            return QString();
        const QString id = Alert::visibleAlert()->message().section(QStringLiteral("ID: "), -1);
        Alert::visibleAlert()->dismiss();
        return id;
    }

    QTemporaryDir data;
    cloud::CloudDocumentStore store;
    std::unique_ptr<cloud::CloudServer> server;
    std::thread thread;
};

TEST_F(CloudScreensTest, ANewIDIsShownCopiedAndRemembered)
{
    auto* screen = new KVExportCloudIDViewController;
    stack->push(screen, Animation::None);
    storeOneSite("http://shared.example");
    screen->didSelectRow(KVExportCloudIDViewController::ExportToNewID);
    EXPECT_TRUE(screen->exchange()->waitingView()->isShowing());
    EXPECT_EQ(screen->exchange()->waitingView()->text(), QStringLiteral("Exporting.."));
    ASSERT_TRUE(alertShown());
    EXPECT_FALSE(screen->exchange()->waitingView()->isShowing());
    Alert* alert = Alert::visibleAlert();
    EXPECT_EQ(alert->title(), QStringLiteral("New Cloud ID"));
    const QString id = alert->message().section(QStringLiteral("ID: "), -1);
    ASSERT_EQ(id.size(), 20) << qPrintable(alert->message());
    alert->dismissWithButton(alert->buttonIndex(QStringLiteral("Copy ID")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), id);
    EXPECT_TRUE(loggedEvents(QStringLiteral("App General")).contains(QStringLiteral("New Cloud ID saved to clipboard")));
    EXPECT_EQ(KVDatabase::getDatabaseObject().history().value(0).cloudID, id);

    // "Export to existing ID" leads to the cloud-ID screen in export mode.
    screen->didSelectRow(KVExportCloudIDViewController::ExportToExistingID);
    auto* next = qobject_cast<KVImportExportCloudViewController*>(stack->topScreen());
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->mode(), KVImportExportCloudViewController::Mode::Export);
}

TEST_F(CloudScreensTest, TheCloudIDScreenImportsATypedOrPickedIDAndListsIt)
{
    storeOneSite("http://from-cloud.example");
    const QString id = exportToNewID();
    ASSERT_FALSE(id.isEmpty());
    stack->pop(Animation::None);
    settings().allowedWebsites.clear();
    ASSERT_TRUE(settings().save());

    auto* screen = new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::Import);
    stack->push(screen, Animation::None);
    TableView* table = screen->tableView();
    EXPECT_EQ(table->sections().value(1).header, QStringLiteral("History"));

    // Nine characters are refused before anything is sent; a picked history row fills the field.
    type(table, KVImportExportCloudViewController::CloudIDField, QStringLiteral("123456789"));
    screen->mainAction();
    EXPECT_EQ(test::toastTexts(), QStringList{QStringLiteral("Invalid ID")});
    EXPECT_FALSE(screen->exchange()->waitingView()->isShowing());
    Q_EMIT table->rowSelected(1, 0, KVImportExportCloudViewController::FirstHistoryRow);
    EXPECT_EQ(screen->cloudID(), id);
    EXPECT_EQ(table->cellWithId(KVImportExportCloudViewController::CloudIDField)->textField()->text(), id);

    screen->mainAction();
    EXPECT_EQ(screen->exchange()->waitingView()->text(), QStringLiteral("Importing.."));
    ASSERT_TRUE(alertShown());
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("Import Settings"));
    ASSERT_EQ(settings().allowedWebsites.size(), 1);
    EXPECT_EQ(settings().allowedWebsites[0].url, QStringLiteral("http://from-cloud.example"));
    ASSERT_EQ(table->sections().value(1).rows.size(), 1);
    EXPECT_TRUE(table->sections()[1].rows[0].detail.startsWith(QStringLiteral("Imported on: ")));
    Alert::visibleAlert()->dismiss();

    screen->clearHistory();
    EXPECT_EQ(table->sections().value(1).header, QStringLiteral("No History"));
    EXPECT_TRUE(table->sections().value(1).rows.isEmpty());
}

TEST_F(CloudScreensTest, AScannedCodeFillsTheIDField)
{
    auto* screen = new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::Import);
    stack->push(screen, Animation::None);
    Q_EMIT screen->tableView()->rowSelected(0, 2, KVImportExportCloudViewController::ScanQRCode);
    auto* scanner = qobject_cast<KVScanQRForImportViewController*>(stack->topScreen());
    ASSERT_NE(scanner, nullptr);
    const QString picture = documents() + QStringLiteral("/code.png");
    ASSERT_TRUE(CloudQrCode::image(QStringLiteral("ScannedCloudID012345")).save(picture));
    scanner->readPicture(picture);
    ASSERT_TRUE(test::processEventsUntil([&] { return stack->topScreen() == screen; }));
    EXPECT_EQ(screen->tableView()->cellWithId(KVImportExportCloudViewController::CloudIDField)->textField()->text(),
              QStringLiteral("ScannedCloudID012345"));
}

TEST_F(CloudScreensTest, AnExchangeEndsWhenTheApplicationLeavesTheForeground)
{
    auto* screen = new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::Import);
    stack->push(screen, Animation::None);
    screen->setCloudID(QStringLiteral("NoSuchCloudID0000000"));
    screen->mainAction();
    ASSERT_TRUE(screen->exchange()->waitingView()->isShowing());
    NotificationCenter::defaultCenter().post(QString(kApplicationDidEnterBackgroundNotification));
    test::processEventsUntil([] { return false; }, 500);
    EXPECT_FALSE(screen->exchange()->waitingView()->isShowing());
    EXPECT_EQ(Alert::visibleAlert(), nullptr);
}

TEST_F(CloudScreensTest, TheAutomaticImportModeStoresTheTypedID)
{
    settings().kvAutoImport.cloudID = QStringLiteral("StoredBeforeNow");
    ASSERT_TRUE(settings().save());
    auto* screen = new KVImportExportCloudViewController(KVImportExportCloudViewController::Mode::AutoImport);
    stack->push(screen, Animation::None);
    EXPECT_EQ(screen->title(), QStringLiteral("Auto Import from Cloud"));
    EXPECT_EQ(screen->tableView()->cellWithId(KVImportExportCloudViewController::CloudIDField)->textField()->text(),
              QStringLiteral("StoredBeforeNow"));
    type(screen->tableView(), KVImportExportCloudViewController::CloudIDField, QStringLiteral("PolledFromNowOn"));
    screen->mainAction();
    EXPECT_EQ(test::toastTexts(), QStringList{QStringLiteral("Cloud Id saved for AutoImport")});
    restart();
    EXPECT_EQ(settings().kvAutoImport.cloudID, QStringLiteral("PolledFromNowOn"));
}

TEST_F(CloudScreensTest, TheFirstRunScreenImportsAndReturnsToTheRoot)
{
    storeOneSite("http://first-run.example");
    const QString id = exportToNewID();
    ASSERT_FALSE(id.isEmpty());
    settings().allowedWebsites.clear();
    ASSERT_TRUE(settings().save());

    auto* screen = new WelcomeCloudImportScreen;
    stack->push(screen, Animation::None);
    screen->setCloudID(id);
    screen->importAction();
    ASSERT_TRUE(alertShown());
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("Import Settings"));
    Alert::visibleAlert()->dismissWithButton(0);
    EXPECT_EQ(stack->screens().size(), 1);
    EXPECT_EQ(settings().allowedWebsites.size(), 1);
}

TEST_F(CloudScreensTest, TheImportExportRowsOpenTheCloudScreens)
{
    auto* menu = new KVImportExportViewController;
    stack->push(menu, Animation::None);
    menu->didSelectRow(KVImportExportViewController::ExportToCloud);
    EXPECT_NE(qobject_cast<KVExportCloudIDViewController*>(stack->topScreen()), nullptr);
    stack->pop(Animation::None);
    menu->didSelectRow(KVImportExportViewController::ImportFromCloud);
    auto* import = qobject_cast<KVImportExportCloudViewController*>(stack->topScreen());
    ASSERT_NE(import, nullptr);
    EXPECT_EQ(import->mode(), KVImportExportCloudViewController::Mode::Import);
    stack->pop(Animation::None);
}

// The QR row: a new ID, whose code's screen stores the settings to it once more; the code reads
// back as the ID, and saved into Documents too.
TEST_F(CloudScreensTest, TheQRCodeRowIssuesAnIDAndShowsItsCode)
{
    storeOneSite("http://qr.example");
    auto* menu = new KVImportExportViewController;
    stack->push(menu, Animation::None);
    menu->didSelectRow(KVImportExportViewController::ExportToCloudWithQRCode);
    EXPECT_EQ(menu->cloudExchange()->waitingView()->text(), QStringLiteral("Export Settings to Cloud and Generate QR Code"));
    KVExportToCloudWithQRCodeViewController* qr = nullptr;
    ASSERT_TRUE(test::processEventsUntil([&] { return (qr = qobject_cast<KVExportToCloudWithQRCodeViewController*>(stack->topScreen())); }, 10000));
    const QString id = qr->cloudID();
    EXPECT_GE(id.size(), 16);
    EXPECT_EQ(CloudQrCode::read(qr->code()), id);

    ASSERT_TRUE(alertShown());
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("Export Settings"));
    EXPECT_EQ(Alert::visibleAlert()->message(), QStringLiteral("Exported successfully to ID: %1").arg(id));
    const QList<CloudIDHistoryRow> rows = KVDatabase::getDatabaseObject().history();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first().cloudID, id);

    const QString saved = qr->save();
    EXPECT_TRUE(saved.startsWith(documents() + QStringLiteral("/CloudID_")));
    EXPECT_EQ(CloudQrCode::read(QImage(saved)), id);
}

}  // namespace
}  // namespace korvel
