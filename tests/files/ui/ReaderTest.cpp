#include "browser/ui/ReaderHooks.h"
#include "files/DownloadFiles.h"
#include "files/ui/KVFileDownloader.h"
#include "files/ui/KVReaderVC.h"
#include "files/ui/ReaderContentsPanel.h"
#include "files/ui/ReaderDocument.h"
#include "files/ui/ReaderPageView.h"
#include "files/ui/ReaderSearchPanel.h"
#include "files/ui/ReaderThumbnailStrip.h"
#include "platform/ui/ActionSheet.h"
#include "platform/ui/TableView.h"
#include "platform/ui/SegmentedControl.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/files/ui/TestDocuments.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QRandomGenerator>

#include <csignal>

using namespace korvel;
using test::processEventsUntil;

namespace {

// A field of this process's /proc status ("VmRSS:", "VmHWM:" the peak) in KiB.
qint64 processStatusKiB(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Starts the peak afresh from the present resident size.
void resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

const QString kTitle = QStringLiteral("Field Guide");

// Three pages labelled i, 1, 2; the outline holds Preface (i), Chapter One (1) and under it Zebra facts (2).
QByteArray guide()
{
    static const QByteArray bytes = test::withOutline(
        test::writePdf(kTitle, {QStringLiteral("Preface of the guide."), QStringLiteral("The quick zebra runs."),
                                QStringLiteral("Another Zebra stands here.")}),
        {{QStringLiteral("Preface"), 0, {}}, {QStringLiteral("Chapter One"), 1, {{QStringLiteral("Zebra facts"), 2, {}}}}},
        {{0, QStringLiteral("/r")}, {1, QStringLiteral("/D")}});
    return bytes;
}

class ReaderTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        ASSERT_FALSE(guide().isEmpty()) << "qpdf is needed to make the test documents";
        settings().kvBrowPref.isAllowPDFViewer = true;
        ReaderHooks::install(stack.get());
    }

    QUrl stored(const QString& name, const QByteArray& bytes)
    {
        EXPECT_TRUE(test::writeFile(documents() + QLatin1Char('/') + name, bytes));
        return QUrl::fromLocalFile(documents() + QLatin1Char('/') + name);
    }

    static bool settled(KVReaderVC* reader)
    {
        const KVReaderVC::State s = reader->state();
        return s == KVReaderVC::State::Shown || s == KVReaderVC::State::Locked || s == KVReaderVC::State::Failed;
    }

    // The reader for `url` on the stack, once it has settled (shown, locked or failed).
    KVReaderVC* read(const QUrl& url)
    {
        stack->push(new Screen, NavigationStack::Animation::None);
        KVReaderVC* reader = KVReaderVC::getPDFViewerClassObject(url);
        stack->push(reader, NavigationStack::Animation::None);
        EXPECT_TRUE(processEventsUntil([&] { return settled(reader); }, 20000));
        return reader;
    }

    // Draws the reader until the pictures it shows have arrived from the document's helper.
    static bool drawn(KVReaderVC* reader)
    {
        return processEventsUntil([&] {
            reader->pageView()->grab();
            return reader->pageView()->settled() || reader->state() == KVReaderVC::State::Failed;
        }, 20000);
    }

    static void swipe(QWidget* view, int dx)
    {
        const QPoint from(view->width() / 2, view->height() / 2);
        QTest::mousePress(view, Qt::LeftButton, {}, from);
        for (int step = 1; step <= 4; ++step)
            QTest::mouseMove(view, from + QPoint(dx * step / 4, 0));
        QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(dx, 0));
    }
};

}  // namespace

// A stored document opens on its first page with its title; swipes turn pages and stop at the
// ends, the page label and the strip follow, a tap on the strip goes to that page, a tap on the
// page fades the bars; only the page and its neighbours stay rendered.
TEST_F(ReaderTest, PagesBySwipeWithLabelsAndTheStripFollowing)
{
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    EXPECT_FALSE(stack->isNavigationBarShown());
    EXPECT_EQ(reader->titleLabel()->text(), kTitle);
    // A narrow reader shortens the title rather than covering its buttons.
    stack->resize(420, 600);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_LE(reader->titleLabel()->fontMetrics().horizontalAdvance(reader->titleLabel()->text()), reader->titleLabel()->width());
    stack->resize(800, 600);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    EXPECT_EQ(reader->titleLabel()->text(), kTitle);
    EXPECT_EQ(reader->pageLabel()->text(), QStringLiteral("i (1 of 3)"));
    ReaderPageView* view = reader->pageView();
    const struct {
        int dx;
        int page;
        const char* label;
    } swipes[] = {
        {-300, 1, "1 (2 of 3)"}, {-300, 2, "2 (3 of 3)"}, {-300, 2, "2 (3 of 3)"}, {+40, 2, "2 (3 of 3)"}, {+300, 1, "1 (2 of 3)"},
    };
    for (const auto& s : swipes) {
        swipe(view, s.dx);
        EXPECT_EQ(view->currentPage(), s.page) << s.dx;
        EXPECT_EQ(reader->pageLabel()->text(), QLatin1String(s.label));
        EXPECT_EQ(reader->thumbnailStrip()->currentPage(), s.page);
        view->grab();
        EXPECT_LE(view->renderedPageCount(), 3);
    }
    // A zoomed page is moved by a swipe, not turned; turning the page drops the zoom.
    view->setZoom(2.0);
    swipe(view, -300);
    EXPECT_EQ(view->currentPage(), 1);
    view->setCurrentPage(2);
    EXPECT_EQ(view->zoom(), 1.0);
    ReaderThumbnailStrip* strip = reader->thumbnailStrip();
    for (int x = 0; x < strip->width(); ++x) {
        if (strip->pageAt(x) == 0) {
            QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(x + 4, strip->height() / 2));
            break;
        }
    }
    EXPECT_EQ(view->currentPage(), 0);
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
    EXPECT_FALSE(reader->barsVisible());
    QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(view->width() / 2, view->height() / 2));
    EXPECT_TRUE(reader->barsVisible());
    reader->back();
    EXPECT_NE(stack->topScreen(), reader);
}

// On a small panel the page is as wide as the screen and nothing of it lies under the bars: its
// top starts below the top bar, a drag up scrolls it until its end stands above the strip, and a
// sideways swipe still turns it.
TEST_F(ReaderTest, APageFitsTheWidthClearOfTheBars)
{
    stack->resize(800, 480);
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    ReaderPageView* view = reader->pageView();
    const QWidget* strip = reader->thumbnailStrip()->parentWidget();
    const int top = reader->titleLabel()->parentWidget()->geometry().bottom() + 1;
    const int bottom = strip->geometry().top();
    ASSERT_GT(bottom, top);
    EXPECT_EQ(view->pageRect().width(), view->width()) << "fit width";
    EXPECT_EQ(int(view->pageRect().top()), top) << "the first line is below the top bar";
    const QPoint from(view->width() / 2, (top + bottom) / 2);
    QTest::mousePress(view, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 20; ++step)
        QTest::mouseMove(view, from - QPoint(0, step * 150));
    QTest::mouseRelease(view, Qt::LeftButton, {}, from - QPoint(0, 3000));
    EXPECT_EQ(view->currentPage(), 0) << "a drag up reads on, it does not turn";
    EXPECT_EQ(int(std::lround(view->pageRect().bottom())), bottom) << "the last line is above the strip";
    swipe(view, -300);
    EXPECT_EQ(view->currentPage(), 1);
    EXPECT_EQ(int(view->pageRect().top()), top) << "the next page starts at its top";
}

// The outline leads to its pages; a search lists every match with its line, the outline entry that
// holds it and its page label, and choosing one goes there.
TEST_F(ReaderTest, OutlineAndSearchGoToTheirPages)
{
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    reader->toggleTableOfContentsView();
    ReaderContentsPanel* contents = reader->contentsPanel();
    ASSERT_TRUE(contents && contents->isVisible());
    QStringList titles;
    for (const auto& entry : contents->outline())
        titles << entry.title;
    EXPECT_EQ(titles, (QStringList{"Preface", "Chapter One", "Zebra facts"}));
    QTest::mouseClick(contents->outlineTable()->cellWithId(2), Qt::LeftButton);
    EXPECT_EQ(reader->pageView()->currentPage(), 2);
    EXPECT_FALSE(contents->isVisible());
    reader->toggleTableOfContentsView();
    contents->setMode(ReaderContentsPanel::Mode::Pages);
    EXPECT_EQ(contents->pageGrid()->model()->rowCount(), 3);
    reader->toggleTableOfContentsView();
    EXPECT_FALSE(contents->isVisible());

    reader->showSearchView();
    ReaderSearchPanel* search = reader->searchPanel();
    ASSERT_TRUE(search && search->isVisible());
    search->search(QStringLiteral("zebra"));
    // The pages' texts come from the document's helper; the rows follow in batches, on the clock.
    ASSERT_TRUE(processEventsUntil([&] { return search->finished(); }, 10000));
    clock.advance(std::chrono::milliseconds(100));
    ASSERT_EQ(search->matches().size(), 2);
    const struct {
        const char* line;
        const char* outline;
        const char* pageLabel;
    } expected[] = {{"The quick zebra runs.", "Chapter One", "1"}, {"Another Zebra stands here.", "Zebra facts", "2"}};
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(search->matches().at(i).line, QLatin1String(expected[i].line));
        EXPECT_EQ(search->matches().at(i).outlineLabel, QLatin1String(expected[i].outline));
        EXPECT_EQ(search->matches().at(i).pageLabel, QLatin1String(expected[i].pageLabel));
    }
    reader->goToPage(0);
    QTest::mouseClick(search->resultsTable()->cellWithId(0), Qt::LeftButton);
    EXPECT_EQ(reader->pageView()->currentPage(), 1);
}

// A locked document shows only the protection alert; a wrong password brings it back, the right
// one opens the document.
TEST_F(ReaderTest, ProtectionAlertTakesOnlyTheRightPassword)
{
    KVReaderVC* reader = read(stored(QStringLiteral("locked.pdf"), test::encrypted(guide(), QStringLiteral("s3cret"))));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Locked);
    for (const QString& password : {QStringLiteral("wrong"), QStringLiteral("s3cret")}) {
        Alert* alert = Alert::visibleAlert();
        ASSERT_NE(alert, nullptr);
        EXPECT_EQ(alert->title(), qtTrId("TITLE_PDF_FILE"));
        EXPECT_EQ(alert->message(), qtTrId("THIS_FILE_IS_PASSWORD_PROTECTED"));
        EXPECT_FALSE(reader->thumbnailStrip()->isVisibleTo(reader));
        alert->textField(0)->setText(password);
        alert->dismissWithButton(alert->buttonIndex(qtTrId("TEXT_OPEN")));
        ASSERT_TRUE(processEventsUntil([&] { return settled(reader); }, 20000));
    }
    EXPECT_EQ(reader->state(), KVReaderVC::State::Shown);
    EXPECT_EQ(reader->document()->pageCount(), 3);
}

// Damaged copies of the test documents (cut short, bytes changed, nothing at all) show the error
// or, where the damage spares the pages, the pages; the process lives on and the reader can be left.
TEST_F(ReaderTest, DamagedDocumentsNeverTakeTheKioskDown)
{
    QList<QByteArray> damaged;
    const QByteArray sources[] = {guide(), test::encrypted(guide(), QStringLiteral("x"))};
    QRandomGenerator random(14);
    for (const QByteArray& source : sources) {
        for (int cut : {0, 9, 200, int(source.size() / 2), int(source.size() - 30)})
            damaged << source.left(cut);
        for (int i = 0; i < 12; ++i) {
            QByteArray copy = source;
            for (int n = 0; n < 20; ++n)
                copy[int(random.bounded(int(copy.size())))] = char(random.bounded(256));
            damaged << copy;
        }
    }
    damaged << QByteArray("%PDF-1.7\n1 0 obj << /Type /Catalog /Pages 1 0 R >> endobj\ntrailer << /Root 1 0 R >>\n");
    for (int i = 0; i < damaged.size(); ++i) {
        KVReaderVC* reader = read(stored(QStringLiteral("damaged%1.pdf").arg(i), damaged.at(i)));
        if (reader->state() == KVReaderVC::State::Failed) {
            EXPECT_EQ(reader->messageLabel()->text(), qtTrId("TEXT_PDF_CANNOT_BE_OPENED")) << i;
        } else if (reader->state() == KVReaderVC::State::Shown) {
            for (int page = 0; page < reader->document()->pageCount(); ++page) {
                reader->pageView()->setCurrentPage(page);
                EXPECT_TRUE(drawn(reader)) << i;
            }
        }
        if (Alert* alert = Alert::visibleAlert())
            alert->dismiss();
        reader->back();
        stack->popToRoot(NavigationStack::Animation::None);
    }
}

// Documents that break the process drawing them (one that deflates to a gigabyte, one that takes
// its helper forever, a helper killed from outside) end in the error, with a log line saying why;
// the kiosk's own memory stays where it was, and the kiosk goes on.
TEST_F(ReaderTest, DocumentsThatBreakTheirHelperFailWithoutTheKiosk)
{
    const struct {
        const char* name;
        QByteArray document;
        std::function<void(KVReaderVC*)> disturb;
        const char* reason;
    } cases[] = {
        {"a page of a gigabyte", test::inflatingContent(1000), [](KVReaderVC*) {}, "the document helper crashed"},
        {"a picture that takes its time", test::hugePicture(32000),
         [this](KVReaderVC*) { clock.advance(ReaderDocument::answerTimeout + std::chrono::seconds(1)); }, "gave no answer for 30 seconds"},
        {"a helper killed", guide(), [](KVReaderVC* reader) { ::kill(pid_t(reader->document()->helperProcessId()), SIGKILL); },
         "the document helper crashed"},
    };
    for (const auto& c : cases) {
        ASSERT_FALSE(c.document.isEmpty()) << c.name;
        const qint64 before = processStatusKiB("VmRSS:");
        resetPeakMemory();
        KVReaderVC* reader = read(stored(QStringLiteral("hostile.pdf"), c.document));
        ASSERT_EQ(reader->state(), KVReaderVC::State::Shown) << c.name << ": the document opens, its page is the trouble";
        // The page is asked for as it is drawn.
        reader->pageView()->grab();
        c.disturb(reader);
        EXPECT_TRUE(processEventsUntil([&] { return reader->state() == KVReaderVC::State::Failed; }, 90000)) << c.name;
        EXPECT_EQ(reader->messageLabel()->text(), qtTrId("TEXT_PDF_CANNOT_BE_OPENED")) << c.name;
        EXPECT_FALSE(reader->thumbnailStrip()->isVisibleTo(reader)) << c.name;
        const QStringList logged = log(QStringLiteral("Webview")).filter(QStringLiteral("hostile.pdf"));
        EXPECT_TRUE(!logged.isEmpty() && logged.last().contains(QLatin1String(c.reason))) << c.name << ": " << qPrintable(logged.join(QLatin1Char('\n')));
        EXPECT_LT(processStatusKiB("VmHWM:") - before, 64 * 1024) << c.name << ": the kiosk's own memory grew";
        reader->back();
        stack->popToRoot(NavigationStack::Animation::None);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // The next document opens as ever.
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    EXPECT_EQ(reader->state(), KVReaderVC::State::Shown);
    EXPECT_TRUE(drawn(reader));
}

// Downloads and printing follow their switches: a forbidden download only toasts, and the share
// sheet offers printing only where it is allowed.
TEST_F(ReaderTest, DownloadAndPrintFollowTheirSwitches)
{
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    for (bool allowed : {false, true}) {
        test::closeToasts();
        settings().kvBrowPref.isAllowDownloadInPDFViewer = allowed;
        settings().kvBrowPref.isAllowPrintInPDFViewer = allowed;
        reader->downloadbarButtonAction();
        EXPECT_EQ(toastShown(qtTrId("PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE")), !allowed);
        ActionSheet* sheet = reader->shareBarButtonAction();
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(sheet->buttonIndex(qtTrId("TEXT_PRINT")) >= 0, allowed);
        sheet->dismiss();
    }
}

// A web document is fetched through the engine (the server sees the kiosk's request), shown, and
// its download goes through the downloader into Documents and the history.
TEST_F(ReaderTest, WebDocumentIsFetchedThroughTheEngineAndKept)
{
    test::WebTestServer::Page pdf;
    pdf.body = guide();
    pdf.mimeType = "application/pdf";
    server().setPage(QStringLiteral("/docs/guide.pdf"), pdf);
    settings().kvBrowPref.isAllowDownloadInPDFViewer = true;
    settings().kvBrowPref.isAllowKeepDownloadHistory = true;
    KVReaderVC* reader = read(QUrl(url("allowed.test", "/docs/guide.pdf")));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    EXPECT_EQ(requestsFor("/docs/guide.pdf"), 1);
    EXPECT_EQ(reader->document()->pageCount(), 3);
    reader->downloadbarButtonAction();
    ASSERT_TRUE(processEventsUntil([&] { return QFile::exists(documents() + QStringLiteral("/guide.pdf")) && KVFileDownloader::running().isEmpty(); }, 20000));
    EXPECT_EQ(test::readFile(documents() + QStringLiteral("/guide.pdf")), guide());
    ASSERT_EQ(settings().arrDownloadHistory.size(), 1);
    EXPECT_EQ(settings().arrDownloadHistory.first().historyId, 1);
    // The private copy the reader read goes with it.
    reader->back();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(QDir(DownloadFiles::downloadStagingDirectory()).entryList(QDir::Files).isEmpty());
}

// The window's OpenReader pushes the reader for its document; ShowFile offers a stored PDF in the
// file sheet, whose Open pushes the reader too.
TEST_F(ReaderTest, OpenReaderAndTheFileSheetPushTheReader)
{
    KVWKViewController* window = open(url("allowed.test"));
    const QUrl document = stored(QStringLiteral("guide.pdf"), guide());
    window->perform({NavigationEffect::with(NavigationEffect::Kind::OpenReader, document)});
    auto* reader = qobject_cast<KVReaderVC*>(stack->topScreen());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->pdfFileUrl(), document);
    stack->pop(NavigationStack::Animation::None);

    window->perform({NavigationEffect::with(NavigationEffect::Kind::ShowFile, document)});
    Alert* sheet = Alert::visibleAlert();
    ASSERT_NE(sheet, nullptr);
    ASSERT_GE(sheet->buttonIndex(qtTrId("TEXT_OPEN")), 0);
    sheet->dismissWithButton(sheet->buttonIndex(qtTrId("TEXT_OPEN")));
    reader = qobject_cast<KVReaderVC*>(stack->topScreen());
    ASSERT_NE(reader, nullptr);
    EXPECT_EQ(reader->pdfFileUrl().toLocalFile(), QFileInfo(document.toLocalFile()).canonicalFilePath());
}

// A link in a document goes through the navigation decision: a refused address gives the usual
// toast and log line and is never fetched; an allowed one opens in a browser window.
TEST_F(ReaderTest, DocumentLinksGoThroughTheNavigationDecision)
{
    settings().kvBrowPref.makeToast = true;
    settings().allowedWebsites = {site(url("allowed.test"))};
    const QString blocked = url("blocked.test", "/secret");
    const QByteArray linked = test::withLinks(test::writePdf(kTitle, {QStringLiteral("Links"), QStringLiteral("Second")}),
                                              {{QRectF(40, 40, 200, 60), blocked}, {QRectF(40, 200, 200, 60), url("allowed.test")}});
    ASSERT_FALSE(linked.isEmpty());
    KVReaderVC* reader = read(stored(QStringLiteral("linked.pdf"), linked));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    ReaderPageView* view = reader->pageView();
    ASSERT_TRUE(processEventsUntil([&] { return view->links().size() == 2; }, 20000));
    // Where a point of the page (from its top left) is on the screen.
    const QSizeF points = reader->document()->pagePointSize(0);
    const QRectF page = view->pageRect();
    const auto at = [&](QPointF onPage) { return (page.topLeft() + QPointF(onPage.x() * page.width() / points.width(), onPage.y() * page.height() / points.height())).toPoint(); };

    QTest::mouseClick(view, Qt::LeftButton, {}, at({140, 70}));
    EXPECT_EQ(stack->topScreen(), reader);
    EXPECT_TRUE(toastShown(QStringLiteral("Korvel blocked URL:") + blocked));
    EXPECT_EQ(log(QStringLiteral("URL_action")), QStringList{QStringLiteral("URL_Blocked<") + blocked + QLatin1Char('>')});
    EXPECT_TRUE(reader->barsVisible());

    QTest::mouseClick(view, Qt::LeftButton, {}, at({140, 230}));
    auto* window = qobject_cast<KVWKViewController*>(stack->topScreen());
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(processEventsUntil([&] { return window->webView()->title() == QLatin1String("Start"); }, 20000));
    EXPECT_FALSE(server().sawHost(QStringLiteral("blocked.test")));
}

// The appearance panel changes the paper the pages are laid on.
TEST_F(ReaderTest, AppearancePanelChangesThePaper)
{
    KVReaderVC* reader = read(stored(QStringLiteral("guide.pdf"), guide()));
    ASSERT_EQ(reader->state(), KVReaderVC::State::Shown);
    ReaderPageView* view = reader->pageView();
    const struct {
        ReaderPageView::Paper paper;
        QColor blank;  // an empty part of the page
    } papers[] = {{ReaderPageView::Paper::Night, Qt::black}, {ReaderPageView::Paper::Sepia, QColor(0xF4, 0xEC, 0xD8)}, {ReaderPageView::Paper::Day, Qt::white}};
    for (const auto& p : papers) {
        reader->showAppearanceMenu();
        ASSERT_TRUE(reader->appearancePanel()->isVisible());
        auto* control = reader->appearancePanel()->findChild<SegmentedControl*>();
        ASSERT_NE(control, nullptr);
        const QRect segment(control->width() * int(p.paper) / 3, 0, control->width() / 3, control->height());
        QTest::mouseClick(control, Qt::LeftButton, {}, segment.center());
        EXPECT_FALSE(reader->appearancePanel()->isVisible());
        EXPECT_EQ(view->paper(), p.paper);
        const QImage picture = view->grab().toImage();
        EXPECT_EQ(picture.pixelColor(picture.width() / 2, picture.height() * 9 / 10).rgb(), p.blank.rgb()) << int(p.paper);
    }
}

// A web document behind the login a window was given opens without asking again: the reader
// fetches in the visit's own profile, whose HTTP authentication it shares.
TEST_F(ReaderTest, WebDocumentSharesTheVisitsAuthentication)
{
    const QByteArray authorization = "Basic " + QByteArrayLiteral("kiosk:s3cret").toBase64();
    test::WebTestServer::Page page;
    page.body = QByteArrayLiteral("<html><head><title>Inside</title></head><body>in</body></html>");
    page.requiredAuthorization = authorization;
    server().setPage(QStringLiteral("/private/index.html"), page);
    test::WebTestServer::Page pdf;
    pdf.body = guide();
    pdf.mimeType = "application/pdf";
    pdf.requiredAuthorization = authorization;
    server().setPage(QStringLiteral("/private/guide.pdf"), pdf);
    answerNextAlert(QStringLiteral("Login"), QString(), [](Alert* alert) {
        alert->textField(0)->setText(QStringLiteral("kiosk"));
        alert->textField(1)->setText(QStringLiteral("s3cret"));
    });
    KVWKViewController* window = push(url("allowed.test", "/private/index.html"));
    ASSERT_TRUE(processEventsUntil([&] { return window->webView()->title() == QLatin1String("Inside"); }, 20000));

    KVReaderVC* reader = KVReaderVC::getPDFViewerClassObject(QUrl(url("allowed.test", "/private/guide.pdf")));
    stack->push(reader, NavigationStack::Animation::None);
    ASSERT_TRUE(processEventsUntil([&] { return settled(reader); }, 20000));
    EXPECT_EQ(reader->state(), KVReaderVC::State::Shown);
    EXPECT_EQ(Alert::visibleAlert(), nullptr);
    bool authorised = false;
    for (const auto& request : server().requests())
        authorised = authorised || (request.path == QLatin1String("/private/guide.pdf") && request.authorization == QLatin1String(authorization));
    EXPECT_TRUE(authorised);
}
