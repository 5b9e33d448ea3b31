#include "platform/ui/Alert.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QDir>
#include <QFileInfo>
#include <QNativeGestureEvent>
#include <QTimer>
#include <QWheelEvent>

#include <csignal>

using namespace korvel;

namespace {
class HostilePageTest : public test::WebWindowTest {};
}  // namespace

TEST_F(HostilePageTest, AnAlertLoopIsSilencedAfterThreeDialogsAndHomeEndsIt)
{
    server().setPage(QStringLiteral("/loop"), QByteArrayLiteral(
        "<html><head><title>Loop</title></head><body onload=\"setTimeout(function() {"
        " for (var i = 0; i < 500; ++i) alert('again ' + i); window.done = true; }, 0)\">loop</body></html>"));
    settings().allowedWebsites = {site(url("allowed.test"))};
    // A page dialog waits inside the engine's call, so the answers come from a timer.
    QStringList titles;
    std::function<void(Alert*)> answer = [&](Alert* alert) {
        titles << alert->title();
        alert->dismissWithButton(alert->buttonIndex(QStringLiteral("Ok")));
    };
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (Alert* alert = Alert::visibleAlert())
            answer(alert);
    });
    poll.start(20);

    // Answered at once, three dialogs come; the rest of the loop runs without any.
    KVWKViewController* window = open(url("allowed.test", "/loop"));
    EXPECT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("window.done === true")).toBool(); }, 10000));
    EXPECT_EQ(titles, (QStringList{QStringLiteral("again 0"), QStringLiteral("again 1"), QStringLiteral("again 2")}));
    EXPECT_EQ(log(QStringLiteral("Webview")).filter(QStringLiteral("suppressed")).size(), 1);
    stack->pop(NavigationStack::Animation::None);

    // Home while a dialog of the loop is up: the window leaves, and no dialog stays or follows.
    titles.clear();
    KVWKViewController* second = nullptr;
    answer = [&](Alert* alert) {
        titles << alert->title();
        second->homeButtonPressed();
    };
    second = push(url("allowed.test", "/loop"));
    QSignalSpy home(second, &KVWKViewController::homeRequested);
    EXPECT_TRUE(test::processEventsUntil([&] { return home.count() == 1; }, 20000));
    wait(1000);
    EXPECT_EQ(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(titles, QStringList{QStringLiteral("again 0")});
}

TEST_F(HostilePageTest, AnAboutPageTheEngineShowsUnaskedLeavesThePageThatWasShowing)
{
    const struct {
        const char* name;
        const char* script;
    } cases[] = {
        {"a link to about:config", "document.getElementById('config').click(); 0"},
        {"a link to about:blank", "document.getElementById('blank').click(); 0"},
        {"a script assigning about:blank", "location = 'about:blank'; 0"},
    };
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><head><title>Start</title></head><body>"
        "<a id='config' href='about:config'>config</a> <a id='blank' href='about:blank'>blank</a></body></html>"));
    for (const auto& c : cases) {
        KVWKViewController* window = open(url("allowed.test"));
        QStringList shown;
        QObject::connect(window->webView(), &QWebEngineView::urlChanged, window, [&](const QUrl& u) { shown << u.toString(); });
        evaluate(window, QString::fromLatin1(c.script));
        EXPECT_TRUE(test::processEventsUntil([&] { return !shown.isEmpty(); }, 5000)) << c.name << ": nothing happened";
        EXPECT_TRUE(test::processEventsUntil([&] {
            return window->webView()->url() == QUrl(url("allowed.test")) && evaluate(window, QStringLiteral("document.title")).toString() == QLatin1String("Start");
        }, 10000)) << c.name << ": " << qPrintable(shown.join(QLatin1Char(' ')));
        stack->pop(NavigationStack::Animation::None);
    }
}

TEST_F(HostilePageTest, APagePrintsOnlyRightAfterATouchAndNotTooOften)
{
    settings().kvBrowPref.enablePrintLinks = true;
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><head><title>Start</title></head><body style='margin:0'>"
        "<div style='height:2000px' onclick='window.print()'>print</div></body></html>"));
    KVWKViewController* window = open(url("allowed.test"));
    QSignalSpy printed(window, &KVWKViewController::printedToFile);
    const auto pdfs = [&] { return QDir(documents()).entryList({QStringLiteral("*.pdf")}, QDir::Files).size(); };

    evaluate(window, QStringLiteral("window.loop = setInterval(function() { window.print(); }, 100); 0"));
    wait(1500);
    evaluate(window, QStringLiteral("clearInterval(window.loop); 0"));
    wait(500);
    EXPECT_EQ(printed.count(), 0) << "a script alone never prints";
    EXPECT_EQ(pdfs(), 0);
    EXPECT_EQ(log(QStringLiteral("Webview")).filter(QStringLiteral("Print Request refused")).size(), 1) << "a print loop is logged once";

    ASSERT_TRUE(clickUntil(window, QPoint(100, 100), [&] { return printed.count() == 1; })) << "a touch lets the page print";
    EXPECT_TRUE(QFileInfo(printed.first().first().toString()).size() > 0);
    EXPECT_TRUE(log(QStringLiteral("Webview")).contains(QStringLiteral("Print Result! Job Successful!")));
    clickAt(window, QPoint(100, 100));
    wait(1000);
    EXPECT_EQ(printed.count(), 1) << "a second print within ten seconds waits";
    clock.advance(std::chrono::seconds(10));
    ASSERT_TRUE(clickUntil(window, QPoint(100, 100), [&] { return printed.count() == 2; }));
    EXPECT_EQ(pdfs(), 2);

    settings().kvBrowPref.enablePrintLinks = false;
    clock.advance(std::chrono::seconds(10));
    clickAt(window, QPoint(100, 100));
    wait(1000);
    EXPECT_EQ(printed.count(), 2) << "with print links off the page's call does nothing";
}

TEST_F(HostilePageTest, WithZoomOffNoInputZoomsThePage)
{
    const auto scale = [&](KVWKViewController* window) {
        return evaluate(window, QStringLiteral("window.visualViewport.scale")).toDouble();
    };
    const QPointF at(200, 200);
    const auto ctrlWheel = [&](QWidget* input) {
        for (int i = 0; i < 3; ++i) {
            QWheelEvent wheel(at, input->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
            QCoreApplication::sendEvent(input, &wheel);
        }
    };
    for (const bool zoom : {false, true}) {
        settings().kvBrowPref.zoomEnable = zoom;
        settings().kvBrowPref.intZoom = 100;
        KVWKViewController* window = open(url("allowed.test"));
        QWidget* input = window->webView()->focusProxy();
        ASSERT_NE(input, nullptr);
        ctrlWheel(input);
        for (const Qt::Key key : {Qt::Key_Plus, Qt::Key_Equal, Qt::Key_Minus, Qt::Key_0})
            QTest::keyClick(input, key, Qt::ControlModifier);
        QNativeGestureEvent pinch(Qt::ZoomNativeGesture, QPointingDevice::primaryPointingDevice(), 2, at, at, input->mapToGlobal(at), 0.5, QPointF(), 0);
        QCoreApplication::sendEvent(input, &pinch);
        wait(500);
        if (zoom)
            EXPECT_NE(window->webView()->zoomFactor(), 1.0) << "with zoom on the wheel zooms";
        else
            EXPECT_EQ(window->webView()->zoomFactor(), 1.0) << "Ctrl with the wheel, keys or the touchpad zoomed";
        window->webView()->setZoomFactor(1.0);

        static QPointingDevice* touch = QTest::createTouchDevice();
        const QPoint a(300, 300), b(340, 300);
        QTest::touchEvent(input, touch).press(0, a).press(1, b);
        for (int i = 1; i <= 20; ++i) {
            wait(30);
            QTest::touchEvent(input, touch).move(0, a - QPoint(10 * i, 0)).move(1, b + QPoint(10 * i, 0));
        }
        QTest::touchEvent(input, touch).release(0, a - QPoint(200, 0)).release(1, b + QPoint(200, 0));
        wait(500);
        if (zoom)
            EXPECT_GT(scale(window), 1.0) << "with zoom on a pinch zooms";
        else
            EXPECT_EQ(scale(window), 1.0) << "a pinch on the screen zoomed";

        // A pop-up follows the same preference.
        settings().kvBrowPref.allowPopup = true;
        evaluate(window, QStringLiteral("window.open('%1'); 0").arg(url("allowed.test", "/second")));
        ASSERT_TRUE(test::processEventsUntil([&] { return window->popupView() && window->popupView()->title() == QLatin1String("Second"); }, 20000));
        ASSERT_NE(window->popupView()->focusProxy(), nullptr);
        ctrlWheel(window->popupView()->focusProxy());
        wait(500);
        EXPECT_EQ(window->popupView()->zoomFactor() != 1.0, zoom);
        window->popupView()->setZoomFactor(1.0);
        stack->pop(NavigationStack::Animation::None);
    }
}

TEST_F(HostilePageTest, PagesMadeForNewWindowsDoNotPileUp)
{
    settings().kvBrowPref.allowPopup = false;
    KVWKViewController* window = open(url("allowed.test"));
    evaluate(window, QStringLiteral("for (var i = 0; i < 40; ++i) { window.open('%1'); window.open(''); window.open('about:blank'); } 0")
                         .arg(url("allowed.test", "/second")));
    wait(2000);
    EXPECT_TRUE(test::processEventsUntil([&] { return pagesOf(window) <= 2; }, 5000)) << pagesOf(window) << " pages live";
}
