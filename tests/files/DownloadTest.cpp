#include "browser/ui/EngineProfiles.h"
#include "files/DownloadFiles.h"
#include "files/VisitQuota.h"
#include "files/ui/KVDownloadHistoryViewController.h"
#include "files/ui/KVFileDownloader.h"
#include "files/ui/KVWaitingDownloadProgressView.h"
#include "platform/DocumentOrigins.h"
#include "platform/PropertyList.h"
#include "platform/ui/Alert.h"
#include "settings/KVHashString.h"
#include "settings/PasswordStore.h"
#include "platform/ui/TableView.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "transfer/ImportExport.h"
#include "transfer/KVAutoImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProgressBar>
#include <QPushButton>

using namespace korvel;
using test::processEventsUntil;

namespace {

const QByteArray kReport = QByteArray("report body ").repeated(2000);

class DownloadTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        settings().kvBrowPref.isAllowFileDownloadInDevice = true;
        settings().kvBrowPref.isAllowKeepDownloadHistory = true;
        // The whole page is the link to the file, so a tap anywhere is a visitor's tap on it.
        server().setPage(QStringLiteral("/page"), QByteArrayLiteral("<html><body style='margin:0'><a href='/files/report.bin' "
                                                                    "style='display:block;height:2000px'>report</a></body></html>"));
        VisitQuota::shared().endVisit();
        serveFile(test::WebTestServer::Page::Delivery::Whole);
    }

    static void serveFile(test::WebTestServer::Page::Delivery delivery)
    {
        test::WebTestServer::Page file;
        file.body = kReport;
        file.mimeType = "application/octet-stream";
        file.delivery = delivery;
        server().setPage(QStringLiteral("/files/report.bin"), file);
    }

    // A tap on the page's link to the file; returns once a download runs or has stored its file.
    bool tapLink(KVWKViewController* window, qsizetype storedBefore)
    {
        return clickUntil(window, QPoint(100, 100), [&] { return !KVFileDownloader::running().isEmpty() || stored().size() > storedBefore; });
    }

    // A visitor downloads the file; returns once it is stored.
    bool download(KVWKViewController* window)
    {
        const qsizetype before = stored().size();
        return tapLink(window, before)
               && processEventsUntil([&] { return stored().size() > before && KVFileDownloader::running().isEmpty(); }, 20000);
    }

    QStringList stored() const { return QDir(documents()).entryList({QStringLiteral("*report.bin")}, QDir::Files, QDir::Name); }
    static QList<qint64> ids()
    {
        QList<qint64> list;
        for (const DownloadHistoryParam& entry : settings().arrDownloadHistory)
            list << entry.historyId;
        return list;
    }
};

}  // namespace

// Three downloads of one address from a shown page: three files, numbered history, the visitor stays.
// Deleting two entries in the history screen keeps their files, and the next entry still gets 4.
TEST_F(DownloadTest, RepeatedDownloadsGetFreshNamesAndRisingIds)
{
    stack->push(new Screen, NavigationStack::Animation::None);
    KVWKViewController* window = open(url("allowed.test", "/page"));
    for (int i = 0; i < 3; ++i)
        ASSERT_TRUE(download(window)) << i;
    EXPECT_EQ(stored(), (QStringList{"1_report.bin", "2_report.bin", "report.bin"}));
    QFile second(documents() + QStringLiteral("/1_report.bin"));
    ASSERT_TRUE(second.open(QIODevice::ReadOnly));
    EXPECT_EQ(second.readAll(), kReport);
    EXPECT_EQ(ids(), (QList<qint64>{1, 2, 3}));
    EXPECT_EQ(settings().arrDownloadHistory.at(2).filePath, documents() + QStringLiteral("/2_report.bin"));
    EXPECT_EQ(stack->topScreen(), window);
    EXPECT_EQ(window->webView()->url().path(), QStringLiteral("/page"));
    EXPECT_TRUE(QDir(DownloadFiles::downloadStagingDirectory()).isEmpty());

    // The window's Downloads item opens the history once, however often it is tapped.
    window->goToDownloadHistoryView();
    window->goToDownloadHistoryView();
    auto* history = qobject_cast<KVDownloadHistoryViewController*>(stack->topScreen());
    ASSERT_NE(history, nullptr);
    EXPECT_EQ(stack->screens().size(), 3);
    ASSERT_EQ(history->tableView()->visibleCells().size(), 3);
    history->setEditing(true);
    history->didSelectRow(0);
    history->didSelectRow(1);
    history->deletePressed();
    Alert* question = Alert::visibleAlert();
    ASSERT_NE(question, nullptr);
    question->dismissWithButton(question->buttonIndex(qtTrId("TEXT_YES")));
    EXPECT_EQ(ids(), (QList<qint64>{3}));
    EXPECT_EQ(history->tableView()->visibleCells().size(), 1);
    EXPECT_EQ(stored().size(), 3);

    stack->pop(NavigationStack::Animation::None);
    ASSERT_TRUE(download(window));
    EXPECT_EQ(ids(), (QList<qint64>{3, 4}));
}

// A fetch that stops sending is given up after a minute without data, and a download cancelled
// from the panel ends the same way: each takes away its own in-progress entry only and leaves no file.
TEST_F(DownloadTest, StalledAndCancelledDownloadsLeaveOnlyOlderEntries)
{
    settings().arrDownloadHistory = {DownloadHistoryParam::initWithParams(QStringLiteral("report.bin"), documents() + QStringLiteral("/old.bin"),
                                                                          QStringLiteral("2026-01-02T03:04:05.000Z"), QStringLiteral("1 KB"), 1)};
    KVWKViewController* window = open(url("allowed.test", "/page"));
    serveFile(test::WebTestServer::Page::Delivery::Stalled);
    const std::function<void(KVFileDownloader*)> ends[] = {
        [&](KVFileDownloader*) { clock.advance(std::chrono::seconds(KVFileDownloader::idleTimeoutSeconds + 1)); },
        [&](KVFileDownloader* running) { running->objForWaitingDownload()->cancelButton(running)->click(); },
    };
    for (const auto& end : ends) {
        ASSERT_TRUE(tapLink(window, 0));
        KVFileDownloader* running = KVFileDownloader::running().first();
        ASSERT_TRUE(processEventsUntil([&] { return running->objForWaitingDownload()->isVisible(); }, 5000));
        // Some bytes have arrived before the server stalls.
        ASSERT_TRUE(processEventsUntil([&] { return running->objForWaitingDownload()->progressBar(running)->value() > 0; }, 5000));
        EXPECT_EQ(ids(), (QList<qint64>{1, 0}));
        end(running);
        EXPECT_TRUE(processEventsUntil([] { return KVFileDownloader::running().isEmpty(); }, 10000));
        server().releaseStalled();
        EXPECT_EQ(ids(), (QList<qint64>{1}));
        EXPECT_FALSE(KVWaitingDownloadProgressView::sharedView()->isVisible());
        EXPECT_TRUE(stored().isEmpty());
        // The engine removes its partial file of a cancelled download on a thread of its own.
        EXPECT_TRUE(processEventsUntil([] { return QDir(DownloadFiles::downloadStagingDirectory()).isEmpty(); }, 5000));
    }
    EXPECT_EQ(log(qtTrId("TXT_DOWNLOAD")).size(), 2);
}

// A connection that breaks mid-download is resumed by the engine, and the same download completes,
// even when the private visit that started it has ended and its window is gone.
TEST_F(DownloadTest, ABrokenConnectionIsResumed)
{
    settings().kvBrowPref.privateBrowsing = true;
    KVWKViewController* window = open(url("allowed.test", "/page"));
    serveFile(test::WebTestServer::Page::Delivery::Stalled);
    ASSERT_TRUE(tapLink(window, 0));
    KVFileDownloader* running = KVFileDownloader::running().first();
    ASSERT_TRUE(processEventsUntil([&] { return running->objForWaitingDownload()->progressBar(running)->value() > 0; }, 5000));
    EngineProfiles::instance().endVisit();
    closeWindows();
    serveFile(test::WebTestServer::Page::Delivery::Whole);
    server().releaseStalled();
    ASSERT_TRUE(processEventsUntil([&] { return stored().size() == 1 && KVFileDownloader::running().isEmpty(); }, 20000));
    QFile file(documents() + QStringLiteral("/report.bin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kReport);
    EXPECT_EQ(ids(), QList<qint64>{1});
}

// Without history keeping the file is still stored, but nothing is listed and no panel shows; a
// website that is itself a file leaves its window at once, and the private visit ending with it
// does not take the download along.
TEST_F(DownloadTest, WithoutHistoryTheFileIsStoredUnlisted)
{
    settings().kvBrowPref.isAllowKeepDownloadHistory = false;
    settings().kvBrowPref.privateBrowsing = true;
    stack->push(new Screen, NavigationStack::Animation::None);
    KVWKViewController* window = push(url("allowed.test", "/files/report.bin"));
    bool panelShown = false;
    bool ended = false;
    ASSERT_TRUE(processEventsUntil([&] {
        // The home screen that comes back ends a private visit.
        if (!ended && stack->topScreen() != window) {
            ended = true;
            EngineProfiles::instance().endVisit();
        }
        panelShown = panelShown || KVWaitingDownloadProgressView::sharedView()->isVisible();
        return stored().size() == 1 && KVFileDownloader::running().isEmpty();
    }, 20000));
    EXPECT_FALSE(panelShown);
    EXPECT_EQ(stored(), QStringList{"report.bin"});
    EXPECT_TRUE(settings().arrDownloadHistory.isEmpty());
    EXPECT_NE(stack->topScreen(), window);
}

// A page cannot save a file by script: without the visitor's tap nothing is fetched into Documents
// and the log says why. Each visit may save what its quota allows, whether the server announces
// the size or not; a visit that has used it is told so, and the next visit starts afresh.
TEST_F(DownloadTest, DownloadsNeedATapAndFitTheVisitsQuota)
{
    KVWKViewController* window = open(url("allowed.test", "/page"));
    evaluate(window, QStringLiteral("location.href = '/files/report.bin'; 1"));
    processEventsUntil([] { return false; }, 1500);
    EXPECT_TRUE(stored().isEmpty());
    EXPECT_TRUE(KVFileDownloader::running().isEmpty());
    EXPECT_EQ(log(QStringLiteral("Webview")).filter(QStringLiteral("Download refused: no user gesture")).size(), 1)
        << qPrintable(log(QStringLiteral("Webview")).join(QLatin1Char('\n')));

    // A quota of one megabyte holds one file of 600 kB, announced or not.
    settings().kvBrowPref.downloadQuota = 1;
    const QByteArray big(600 * 1000, 'x');
    const struct {
        const char* name;
        test::WebTestServer::Page::Delivery delivery;
    } deliveries[] = {{"announced", test::WebTestServer::Page::Delivery::Whole}, {"unannounced", test::WebTestServer::Page::Delivery::Unsized}};
    for (const auto& d : deliveries) {
        VisitQuota::shared().endVisit();
        for (const QString& name : QDir(documents()).entryList({QStringLiteral("*report.bin")}, QDir::Files))
            QFile::remove(documents() + QLatin1Char('/') + name);
        test::WebTestServer::Page file;
        file.body = big;
        file.mimeType = "application/octet-stream";
        file.delivery = d.delivery;
        server().setPage(QStringLiteral("/files/report.bin"), file);
        test::closeToasts();
        ASSERT_TRUE(download(window)) << d.name;
        const qsizetype before = stored().size();
        clickAt(window, QPoint(100, 100));
        EXPECT_TRUE(processEventsUntil([&] { return toastShown(qtTrId("TEXT_DOWNLOAD_QUOTA_REACHED")); }, 10000)) << d.name;
        EXPECT_TRUE(processEventsUntil([] { return KVFileDownloader::running().isEmpty(); }, 10000)) << d.name;
        EXPECT_EQ(stored().size(), before) << d.name << ": a second file went beyond the quota";
        EXPECT_LE(VisitQuota::shared().used(), 1000 * 1000) << d.name;
    }
    EXPECT_TRUE(QDir(DownloadFiles::downloadStagingDirectory()).isEmpty());
    // The next visitor may save again.
    EngineProfiles::instance().endVisit();
    EXPECT_EQ(VisitQuota::shared().used(), 0);
}

// A page offers a settings document for download and the visitor taps it; the file lands in
// Documents (under a name the imports do not read yet), but neither "Import from File" nor the
// automatic import pointed at it ever takes it.
TEST_F(DownloadTest, ADownloadedSettingsDocumentIsNeverImported)
{
    const QByteArray planted = PropertyList::toXml(QVariantMap{
        {QStringLiteral("AllowedWebsites"), QVariantList{QVariantMap{{QStringLiteral("URL"), QStringLiteral("http://attacker.example")},
                                                                     {QStringLiteral("AllowedWebsiteId"), qint64(1)}}}},
        {QStringLiteral("BrowserPreferences"), QVariantMap{{QStringLiteral("Password"), KVHashString::stringToBase64(QStringLiteral("pwned"))}}}});
    server().setPage(QStringLiteral("/page"), QByteArrayLiteral("<html><body style='margin:0'><a href='/files/fleet.plist' download "
                                                                "style='display:block;height:2000px'>settings</a></body></html>"));
    test::WebTestServer::Page file;
    file.body = planted;
    file.mimeType = "application/octet-stream";
    server().setPage(QStringLiteral("/files/fleet.plist"), file);
    const QString downloaded = documents() + QStringLiteral("/fleet.plist");
    KVWKViewController* window = open(url("allowed.test", "/page"));
    ASSERT_TRUE(clickUntil(window, QPoint(100, 100), [&] { return QFileInfo::exists(downloaded) && KVFileDownloader::running().isEmpty(); }));
    ASSERT_EQ(test::readFile(downloaded), planted);
    EXPECT_EQ(DocumentOrigins::forHome().originOf(downloaded), DocumentOrigin::Download);

    const TransferResult imported = ImportExport::importFromFile(QStringLiteral("fleet.plist"));
    EXPECT_FALSE(imported.ok);
    EXPECT_TRUE(imported.alert.message.contains(QStringLiteral("it was downloaded by a visitor"))) << qPrintable(imported.alert.message);
    KVAutoImport::storeSection({true, 0, QStringLiteral("fleet.plist"), QStringLiteral("10")});
    bool ended = false;
    QObject ending;
    QObject::connect(&KVAutoImport::getAutoImportObject(), &KVAutoImport::tickFinished, &ending, [&] { ended = true; });
    KVAutoImport::getAutoImportObject().autoImport();
    ASSERT_TRUE(processEventsUntil([&] { return ended; }));
    for (const allowedWebsite& site : settings().allowedWebsites)
        EXPECT_NE(site.url, QStringLiteral("http://attacker.example"));
    EXPECT_NE(KVHashString::base64ToString(PasswordStore::getPassword()), QStringLiteral("pwned"));
}
