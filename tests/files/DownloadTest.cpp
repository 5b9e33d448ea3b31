#include "files/Utils.h"
#include "files/ui/KVDownloadHistoryViewController.h"
#include "files/ui/KVFileDownloader.h"
#include "files/ui/KVWaitingDownloadProgressView.h"
#include "platform/ui/Alert.h"
#include "platform/ui/TableView.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QDir>
#include <QFile>
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
        server().setPage(QStringLiteral("/page"), QByteArrayLiteral("<html><body>a page with a download</body></html>"));
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

    // The page navigates to the file, as a tapped link does; returns once it is stored.
    bool download(KVWKViewController* window)
    {
        const qsizetype before = stored().size();
        evaluate(window, QStringLiteral("location.href = '/files/report.bin'; 1"));
        return processEventsUntil([&] { return stored().size() > before && KVFileDownloader::running().isEmpty(); }, 20000);
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
    EXPECT_TRUE(QDir(Utils::downloadStagingDirectory()).isEmpty());

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
        evaluate(window, QStringLiteral("location.href = '/files/report.bin'; 1"));
        ASSERT_TRUE(processEventsUntil([] { return !KVFileDownloader::running().isEmpty(); }, 10000));
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
        EXPECT_TRUE(processEventsUntil([] { return QDir(Utils::downloadStagingDirectory()).isEmpty(); }, 5000));
    }
    EXPECT_EQ(log(qtTrId("TXT_DOWNLOAD")).size(), 2);
}

// A connection that breaks mid-download is resumed by the engine, and the same download completes.
TEST_F(DownloadTest, ABrokenConnectionIsResumed)
{
    KVWKViewController* window = open(url("allowed.test", "/page"));
    serveFile(test::WebTestServer::Page::Delivery::Stalled);
    evaluate(window, QStringLiteral("location.href = '/files/report.bin'; 1"));
    ASSERT_TRUE(processEventsUntil([] { return !KVFileDownloader::running().isEmpty(); }, 10000));
    KVFileDownloader* running = KVFileDownloader::running().first();
    ASSERT_TRUE(processEventsUntil([&] { return running->objForWaitingDownload()->progressBar(running)->value() > 0; }, 5000));
    serveFile(test::WebTestServer::Page::Delivery::Whole);
    server().releaseStalled();
    ASSERT_TRUE(processEventsUntil([&] { return stored().size() == 1 && KVFileDownloader::running().isEmpty(); }, 20000));
    QFile file(documents() + QStringLiteral("/report.bin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), kReport);
    EXPECT_EQ(ids(), QList<qint64>{1});
}

// Without history keeping the file is still stored, but nothing is listed and no panel shows; a
// website that is itself a file leaves its window at once.
TEST_F(DownloadTest, WithoutHistoryTheFileIsStoredUnlisted)
{
    settings().kvBrowPref.isAllowKeepDownloadHistory = false;
    stack->push(new Screen, NavigationStack::Animation::None);
    KVWKViewController* window = push(url("allowed.test", "/files/report.bin"));
    bool panelShown = false;
    ASSERT_TRUE(processEventsUntil([&] {
        panelShown = panelShown || KVWaitingDownloadProgressView::sharedView()->isVisible();
        return stored().size() == 1 && KVFileDownloader::running().isEmpty();
    }, 20000));
    EXPECT_FALSE(panelShown);
    EXPECT_EQ(stored(), QStringList{"report.bin"});
    EXPECT_TRUE(settings().arrDownloadHistory.isEmpty());
    EXPECT_NE(stack->topScreen(), window);
}
