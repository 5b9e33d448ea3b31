#include "browser/ui/Routes.h"
#include "admin/ui/KVFilePickerController.h"
#include "browser/AdminAccess.h"
#include "browser/LocalPageReader.h"
#include "browser/ui/BrowserToolbar.h"
#include "browser/ui/ColorPicker.h"
#include "browser/ui/EffectPerformer.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/PageFilePicker.h"
#include "browser/ui/PagePickers.h"
#include "browser/ui/PopupFrame.h"
#include "files/KVServerStarter.h"
#include "platform/Paths.h"
#include "platform/FakeReachabilityBackend.h"
#include "platform/Reachability.h"
#include "platform/ui/Alert.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/support/ScopedEnv.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QColorDialog>
#include <QFile>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTcpServer>
#include <QWebEngineHistory>
#include <QWebEngineSettings>
#include <QWindow>

using namespace korvel;
using korvel::test::WebTestServer;

namespace {

class BrowserWindowTest : public test::WebWindowTest {
protected:
    // A click as a person makes it, `sinceLast` ms after the one before, with the window system's
    // own times, so that quick clicks turn into double clicks as on a real device.
    void personClick(QWidget* window, const QPoint& pos, int sinceLast)
    {
        QWindow* handle = stack->windowHandle();
        const QPointF at = window->mapTo(stack.get(), pos);
        const QPointF global = handle->mapToGlobal(at.toPoint());
        QTest::lastMouseTimestamp += sinceLast;
        qt_handleMouseEvent(handle, at, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, {},
                            QTest::lastMouseTimestamp);
        qt_handleMouseEvent(handle, at, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease, {},
                            QTest::lastMouseTimestamp + 20);
        QTest::lastMouseTimestamp += 20;
        QCoreApplication::processEvents();
    }

    bool popupShows(KVWKViewController* window, int timeoutMs = 20000)
    {
        return test::processEventsUntil([&] { return window->popupView() && window->popupView()->title() == QLatin1String("Second"); }, timeoutMs);
    }
};

}  // namespace

TEST_F(BrowserWindowTest, ARefusedLinkNeverReachesTheServer)
{
    const QString refused = url("blocked.test");
    server().setPage(QStringLiteral("/"), QStringLiteral("<html><head><title>Start</title></head><body><a id='blocked' href='%1'>x</a></body></html>").arg(refused).toUtf8());
    for (const bool accessDenied : {true, false}) {
        settings().kvBrowPref.accessDenied = accessDenied;
        test::closeToasts();
        KVWKViewController* window = open(url("allowed.test"));
        QSignalSpy home(window, &KVWKViewController::homeRequested);
        evaluate(window, QStringLiteral("document.getElementById('blocked').click()"));
        const QString toast = accessDenied ? QStringLiteral("Access Denied URL:") : QStringLiteral("Korvel blocked URL:");
        ASSERT_TRUE(test::processEventsUntil([&] { return toastShown(toast + refused); })) << accessDenied;
        if (accessDenied) {
            EXPECT_TRUE(test::processEventsUntil([&] { return home.count() > 0; })) << "with access denied the window goes home";
        } else {
            EXPECT_EQ(window->webView()->title(), QStringLiteral("Start")) << "the page that was showing stays";
            // Links for other applications come to the same rules; the kiosk opens none.
            for (const QString& link : {QStringLiteral("mailto:desk@example.com"), QStringLiteral("tel:+4912345"), QStringLiteral("sms:+4912345")}) {
                evaluate(window, QStringLiteral("location.href = '%1'").arg(link));
                EXPECT_TRUE(test::processEventsUntil([&] { return toastShown(toast + link); })) << qPrintable(link);
            }
            EXPECT_EQ(window->webView()->title(), QStringLiteral("Start"));
        }
        closeWindows();
    }
    EXPECT_TRUE(server().sawHost(QStringLiteral("allowed.test")));
    EXPECT_FALSE(server().sawHost(QStringLiteral("blocked.test")));
    EXPECT_TRUE(log(QStringLiteral("Webview")).contains(QStringLiteral("Loading URL: ") + url("allowed.test")));
    EXPECT_TRUE(log(QStringLiteral("URL_action")).contains(QStringLiteral("URL_Blocked<%1>").arg(refused)));
}

// Whatever a pop-up becomes, no page made for it outlives it and its address is fetched once at most.
TEST_F(BrowserWindowTest, PopupsFollowThePreferencesAndLeaveNoStrayPage)
{
    enum class Shown { InTheWindow, InAPopup, Nowhere };
    const struct {
        const char* name;
        bool allowPopup;
        bool sameWindow;
        const char* host;
        Shown shown;
    } cases[] = {
        {"same window", true, true, "allowed.test", Shown::InTheWindow},
        {"pop-up view", true, false, "allowed.test", Shown::InAPopup},
        {"address refused by the policy", true, false, "blocked.test", Shown::Nowhere},
        {"pop-ups refused", false, false, "allowed.test", Shown::Nowhere},
    };
    for (const auto& c : cases) {
        settings().kvBrowPref.allowPopup = c.allowPopup;
        settings().kvBrowPref.allowPopupInSameWindow = c.sameWindow;
        KVWKViewController* window = open(url("allowed.test"));
        int starts = 0;
        QObject::connect(window->webView()->page(), &QWebEnginePage::loadStarted, window, [&] { ++starts; });
        server().clearRequests();
        evaluate(window, QStringLiteral("window.open('%1'); 0").arg(url(c.host, "/second")));
        if (c.shown == Shown::InTheWindow) {
            EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Second"); }, 20000)) << c.name;
        } else if (c.shown == Shown::InAPopup) {
            EXPECT_TRUE(popupShows(window)) << c.name;
        }
        wait(1000);
        EXPECT_EQ(window->popupView() != nullptr, c.shown == Shown::InAPopup) << c.name;
        EXPECT_EQ(toastShown(QStringLiteral("Popups are blocked")), !c.allowPopup) << c.name;
        EXPECT_EQ(requestsFor("/second"), c.shown == Shown::Nowhere ? 0 : 1) << c.name;
        EXPECT_EQ(starts, c.shown == Shown::InTheWindow ? 1 : 0) << c.name;
        const int pages = c.shown == Shown::InAPopup ? 2 : 1;
        EXPECT_TRUE(test::processEventsUntil([&] { return pagesOf(window) == pages; })) << c.name << ": " << pagesOf(window) << " pages";
        if (c.shown == Shown::InAPopup && window->popupView()) {
            // The pop-up's own window.close() closes it and releases its page.
            QPointer<QWebEnginePage> page = window->popupView()->page();
            page->runJavaScript(QStringLiteral("window.close()"));
            EXPECT_TRUE(test::processEventsUntil([&] { return window->popupView() == nullptr && page.isNull(); }, 10000));
            EXPECT_EQ(pagesOf(window), 1);
        }
        closeWindows();
    }
}

TEST_F(BrowserWindowTest, PageDialogsAnswerThePage)
{
    KVWKViewController* window = open(url("allowed.test"));
    const struct {
        const char* script;
        const char* button;
        const char* fieldText;
        QVariant expected;
    } cases[] = {
        {"window.r = confirm('Sure?'); 0", "OK", nullptr, QVariant(true)},
        {"window.r = confirm('Sure?'); 0", "Cancel", nullptr, QVariant(false)},
        {"window.r = prompt('Name?', 'def'); 0", "OK", "Ada", QVariant(QStringLiteral("Ada"))},
        {"window.r = prompt('Name?', 'def'); 0", "Cancel", nullptr, QVariant()},
        {"alert('Hello'); window.r = 'after'; 0", "Ok", nullptr, QVariant(QStringLiteral("after"))},
    };
    for (const auto& c : cases) {
        // Spread out as a page's own dialogs are, so that none is held back as part of a loop.
        clock.advance(std::chrono::seconds(10));
        answerNextAlert(QString::fromLatin1(c.button), c.fieldText ? QString::fromLatin1(c.fieldText) : QString());
        evaluate(window, QString::fromLatin1(c.script));
        EXPECT_EQ(lastAlertMessage(), QStringLiteral("allowed.test")) << "the dialog names the page's host";
        const QVariant result = evaluate(window, QStringLiteral("window.r === null ? undefined : window.r"));
        EXPECT_EQ(result, c.expected) << c.script << " " << c.button;
    }
}

TEST_F(BrowserWindowTest, FailedLoadsAndUntrustedCertificatesEndOnTheErrorPage)
{
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    ASSERT_NE(server().httpsPort(), 0) << "no certificate for the HTTPS server";
    const QString secure = QStringLiteral("https://secure.test:%1/second").arg(server().httpsPort());
    const struct {
        QString address;
        bool ignoreSslWarnings;
        bool loads;
    } cases[] = {
        {QStringLiteral("http://127.0.0.1:%1/").arg(port), false, false},
        {QStringLiteral("http://nohost.invalid/"), false, false},
        {secure, false, false},
        {secure, true, true},
    };
    for (const auto& c : cases) {
        settings().kvBrowPref.ignoreSslWarnings = c.ignoreSslWarnings;
        settings().allowedWebsites = {site(c.address)};
        KVWKViewController* window = push(c.address);
        if (c.loads) {
            EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Second"); }, 20000)) << qPrintable(c.address);
        } else {
            ASSERT_TRUE(test::processEventsUntil([] { return Alert::visibleAlert() != nullptr; }, 20000)) << qPrintable(c.address);
            EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("Error"));
            Alert::visibleAlert()->dismissWithButton(Alert::visibleAlert()->buttonIndex(QStringLiteral("Ok")));
            EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->url().fileName() == QLatin1String("korvel_error.html"); }, 20000))
                << qPrintable(c.address);
        }
        closeWindows();
    }
}

TEST_F(BrowserWindowTest, TheErrorRefreshRestsFifteenSeconds)
{
    KVWKViewController* window = open(url("allowed.test"));
    window->windowState().firstToReload = QUrl(url("allowed.test", "/second"));
    settings().kvBrowPref.enableRefreshOnError = true;
    window->errorRefreshButtonPressed();
    window->errorRefreshButtonPressed();
    ASSERT_TRUE(test::processEventsUntil([&] { return requestsFor("/second") == 1; }, 20000));
    ASSERT_TRUE(test::processEventsUntil([&] {
        return window->webView()->url().path() == QLatin1String("/second")
            && evaluate(window, QStringLiteral("document.readyState")).toString() == QLatin1String("complete");
    }, 20000));
    // A second at a time, the page answering in between: a jump of 14 s would be 14 s without an
    // answer to the kiosk's hung-page watch, which then ends the renderer and reloads the page.
    const auto pass = [&](int seconds) {
        for (int s = 0; s < seconds; ++s) {
            clock.advance(std::chrono::seconds(1));
            evaluate(window, QStringLiteral("1"));
        }
    };
    pass(14);
    window->errorRefreshButtonPressed();
    pass(1);
    window->errorRefreshButtonPressed();
    ASSERT_TRUE(test::processEventsUntil([&] { return requestsFor("/second") == 2; }, 20000));
    wait(300);
    EXPECT_EQ(requestsFor("/second"), 2);
}

TEST_F(BrowserWindowTest, TheCustomUserAgentReachesTheServer)
{
    settings().kvBrowPref.enableCustomUserAgentHeader = true;
    settings().kvBrowPref.customUserAgentHeader = QStringLiteral("KorvelKiosk/1.0 (panel 7)");
    KVWKViewController* window = open(url("allowed.test"));
    ASSERT_FALSE(server().requests().isEmpty());
    EXPECT_EQ(server().requests().last().userAgent, QStringLiteral("KorvelKiosk/1.0 (panel 7)"));
    EXPECT_EQ(evaluate(window, QStringLiteral("navigator.userAgent")).toString(), QStringLiteral("KorvelKiosk/1.0 (panel 7)"))
        << "the page reads what the server got";
    // Switched off, the engine's own comes back for the next window.
    settings().kvBrowPref.enableCustomUserAgentHeader = false;
    window = open(url("allowed.test", "/second"));
    EXPECT_TRUE(evaluate(window, QStringLiteral("navigator.userAgent")).toString().contains(QLatin1String("Mozilla")));
    EXPECT_EQ(server().requests().last().userAgent, evaluate(window, QStringLiteral("navigator.userAgent")).toString());
}

// The kiosk's style is there while the page is parsed, so nothing restyles a large page after its load.
TEST_F(BrowserWindowTest, TheKioskStyleIsInForceBeforeThePageHasLoaded)
{
    server().setPage(QStringLiteral("/table"),
                     QByteArrayLiteral("<html><body><script>window.sheetsWhileParsing = document.adoptedStyleSheets.length;</script>"
                                       "<a href='/'>link</a></body></html>"));
    settings().allowedWebsites = {site(url("allowed.test"))};
    KVWKViewController* window = open(url("allowed.test", "/table"));
    EXPECT_EQ(evaluate(window, QStringLiteral("[window.sheetsWhileParsing, document.adoptedStyleSheets.length, "
                                              "document.querySelectorAll('style').length].join()"))
                  .toString(),
              QStringLiteral("1,1,0"));
}

TEST_F(BrowserWindowTest, KeywordsInTheAddressOrThePageGoHome)
{
    settings().kvBrowPref.allowContentBlocking = true;
    settings().kvBrowPref.strBlockedKeyWord = QStringLiteral("casino, poker");
    server().setPage(QStringLiteral("/poker-night"), QByteArrayLiteral("<html><body>cards</body></html>"));
    server().setPage(QStringLiteral("/news"), QByteArrayLiteral("<html><body>Visit our Casino tonight</body></html>"));
    settings().allowedWebsites = {site(url("allowed.test"))};
    for (const char* path : {"/poker-night", "/news"}) {
        KVWKViewController* window = push(url("allowed.test", path));
        QSignalSpy home(window, &KVWKViewController::homeRequested);
        EXPECT_TRUE(test::processEventsUntil([&] { return home.count() > 0; }, 20000)) << path;
        EXPECT_TRUE(toastShown(QStringLiteral("Access to this website has been blocked due to content filtering"))) << path;
    }
}

TEST_F(BrowserWindowTest, LockdownSettingsAndMenus)
{
    KVWKViewController* window = open(url("allowed.test"));
    QWebEngineSettings* s = window->webView()->page()->settings();
    EXPECT_EQ(s->unknownUrlSchemePolicy(), QWebEngineSettings::DisallowUnknownUrlSchemes);
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::NavigateOnDropEnabled));
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls));
    EXPECT_FALSE(s->testAttribute(QWebEngineSettings::PdfViewerEnabled));

    settings().kvBrowPref.enableCopyPaste = false;
    EXPECT_TRUE(window->webView()->contextActions().isEmpty());
    settings().kvBrowPref.enableCopyPaste = true;
    EXPECT_EQ(window->webView()->contextActions().size(), 4);

    // No file dialog: without the application's picker a page's file input gets no file.
    auto* page = static_cast<KVWebPage*>(window->webView()->page());
    EXPECT_TRUE(page->chooseFiles(QWebEnginePage::FileSelectOpen, {}, {}).isEmpty());

    // Developer tools cannot be switched on through the engine's command line.
    {
        const test::ScopedEnv flags("QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --remote-debugging-port=9222");
        const test::ScopedEnv debugging("QTWEBENGINE_REMOTE_DEBUGGING", "9223");
        const QStringList kept = KorvelWebEngine::prepareEnvironment({QStringLiteral("korvel"), QStringLiteral("--remote-debugging-port=1")});
        EXPECT_EQ(kept, QStringList{QStringLiteral("korvel")});
        EXPECT_EQ(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), QByteArray("--no-sandbox"));
        EXPECT_FALSE(qEnvironmentVariableIsSet("QTWEBENGINE_REMOTE_DEBUGGING"));
    }
    // Drawing in software, nothing composes through emulated OpenGL, whatever the environment asked.
    {
        const test::ScopedEnv render("KORVEL_RENDER", "software");
        const test::ScopedEnv flags("QTWEBENGINE_CHROMIUM_FLAGS");
        const test::ScopedEnv rhi("QT_WIDGETS_RHI", "1");
        const test::ScopedEnv backend("QT_WIDGETS_RHI_BACKEND", "opengl");
        EXPECT_EQ(KorvelWebEngine::chooseRenderPath().path, RenderPath::Software);
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_WIDGETS_RHI"));
        EXPECT_FALSE(qEnvironmentVariableIsSet("QT_WIDGETS_RHI_BACKEND"));
    }

    // A page asking for a permission is told no, without anyone being asked.
    evaluate(window, QStringLiteral("Notification.requestPermission().then(p => window.p = p); 0"));
    EXPECT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("window.p || ''")).toString() == QLatin1String("denied"); }, 10000));

    // Engine pages are refused even in allow-all mode.
    settings().kvBrowPref.allowAllWebsites = true;
    window->webView()->load(QUrl(QStringLiteral("chrome://version")));
    EXPECT_TRUE(test::processEventsUntil([] { return toastShown(QStringLiteral("Korvel blocked URL:chrome://version/")); }))
        << qPrintable(log(QStringLiteral("URL_action")).join(QLatin1Char('|'))) << " / " << qPrintable(window->webView()->url().toString());
}

TEST_F(BrowserWindowTest, ToolbarActions)
{
    settings().kvBrowPref.enablePrintButton = true;
    settings().kvBrowPref.backImage = QStringLiteral("missing-back.png");
    QImage background(40, 10, QImage::Format_RGB32);
    background.fill(Qt::darkRed);
    ASSERT_TRUE(background.save(Paths::documentsDirectory() + QStringLiteral("/bar.png")));
    settings().kvBrowPref.toolbarImage = QStringLiteral("bar.png");
    KVWKViewController* window = open(url("allowed.test"));
    BrowserToolbar* bar = window->toolbar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_LT(bar->height(), 120);
    EXPECT_EQ(window->webView()->height() + bar->height() + window->layout()->spacing(), window->height()) << "the page takes the rest";
    EXPECT_TRUE(BrowserToolbar::imageFileFor(ToolbarItem{ToolbarItem::Back, {}, {}, QStringLiteral("missing-back.png")}).isEmpty())
        << "a custom image that does not load falls back to the built-in one";
    EXPECT_TRUE(bar->hasBackgroundImage()) << "the toolbar's background picture";
    EXPECT_EQ(bar->grab().toImage().pixelColor(1, bar->height() - 2), QColor(Qt::darkRed));

    // The overflow menu offers what the full bar could not show.
    bar->trigger(ToolbarItem::More);
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    Alert* sheet = Alert::visibleAlert();
    QStringList offered;
    for (int i = 0; i < sheet->buttonCount(); ++i)
        offered << sheet->buttonText(i);
    EXPECT_TRUE(offered.contains(QStringLiteral("Print")));
    EXPECT_TRUE(offered.contains(QStringLiteral("Forward")));
    EXPECT_FALSE(offered.contains(QStringLiteral("Back")));
    sheet->dismissWithButton(sheet->buttonIndex(QStringLiteral("Cancel")));

    // Back goes back through the page's history first.
    window->webView()->load(QUrl(url("allowed.test", "/second")));
    ASSERT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Second"); }, 20000));
    EXPECT_TRUE(window->webView()->history()->canGoBack());
    EXPECT_TRUE(bar->isItemEnabled(ToolbarItem::Back));
    bar->trigger(ToolbarItem::Back);
    ASSERT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Start"); }, 20000));

    // Home runs once in 15 seconds.
    QSignalSpy home(window, &KVWKViewController::homeRequested);
    bar->trigger(ToolbarItem::Home);
    bar->trigger(ToolbarItem::Home);
    window->homeButtonPressed();
    wait(100);
    EXPECT_EQ(home.count(), 1);
    EXPECT_FALSE(bar->isItemEnabled(ToolbarItem::Home));
    clock.advance(std::chrono::seconds(15));
    EXPECT_TRUE(bar->isItemEnabled(ToolbarItem::Home));
}

TEST_F(BrowserWindowTest, HttpAuthenticationAsksForLoginAndPassword)
{
    WebTestServer::Page secret;
    secret.body = QByteArrayLiteral("<html><head><title>Inside</title></head><body>in</body></html>");
    secret.requiredAuthorization = "Basic " + QByteArrayLiteral("kiosk:s3cret").toBase64();
    server().setPage(QStringLiteral("/private"), secret);
    settings().allowedWebsites = {site(url("allowed.test"))};
    answerNextAlert(QStringLiteral("Login"), QString(), [](Alert* alert) {
        ASSERT_EQ(alert->textFieldCount(), 2);
        alert->textField(0)->setText(QStringLiteral("kiosk"));
        alert->textField(1)->setText(QStringLiteral("s3cret"));
    });
    KVWKViewController* window = push(url("allowed.test", "/private"));
    EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Inside"); }, 20000));
    EXPECT_EQ(lastAlertMessage(), QString()) << "the prompt has a title and no message";
}

TEST_F(BrowserWindowTest, NetworkChangesReloadRetryOrGoHome)
{
    FakeReachabilityBackend::install(NetworkStatus::ReachableViaWiFi);
    std::unique_ptr<Reachability> monitor(Reachability::reachabilityWithHostName(QStringLiteral("www.example.com")));
    monitor->startNotifier();
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWiFi);

    KVWKViewController* window = open(url("allowed.test"));
    const int startLoads = requestsFor("/");
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::NotReachable);
    EXPECT_TRUE(test::processEventsUntil([&] { return requestsFor("/") > startLoads; }, 20000)) << "losing the network reloads";

    // Coming back retries the page remembered for reloading (the last web address asked for).
    window->windowState().firstToReload = QUrl(url("allowed.test", "/second"));
    settings().kvBrowPref.enableRefreshOnError = true;
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWiFi);
    EXPECT_TRUE(test::processEventsUntil([&] { return requestsFor("/second") == 1; }, 20000)) << "coming back retries the page";

    settings().kvBrowPref.goHomeOnNetworkGain = true;
    QSignalSpy home(window, &KVWKViewController::homeRequested);
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::NotReachable);
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWWAN);
    EXPECT_TRUE(test::processEventsUntil([&] { return home.count() == 1; }, 20000)) << "with go-home-on-gain it goes home";
    Reachability::setBackendFactory(nullptr);
}

TEST_F(BrowserWindowTest, WhileAPageLoadsItTakesNoTouches)
{
    settings().allowedWebsites = {site(url("allowed.test"))};
    for (const bool icon : {true, false}) {
        settings().kvBrowPref.enableloadingIcon = icon;
        KVWKViewController* window = push(url("allowed.test"));
        bool sawLoading = false;
        bool spinnerShown = false;
        QSignalSpy finished(window, &KVWKViewController::pageFinished);
        test::processEventsUntil([&] {
            sawLoading = sawLoading || window->isLoading();
            spinnerShown = spinnerShown || (window->spinner() && window->spinner()->isVisible());
            return finished.count() > 0;
        }, 20000);
        EXPECT_TRUE(sawLoading);
        EXPECT_EQ(spinnerShown, icon);
        EXPECT_FALSE(window->isLoading()) << "touches come back when the page is there";
        EXPECT_FALSE(window->spinner()->isVisible());
        closeWindows();
    }
}

TEST_F(BrowserWindowTest, LocalServerPagesAreRecognisedAndRead)
{
    const QByteArray body = QByteArrayLiteral("<html><head><title>Files</title></head><body>list</body></html>");
    server().setPage(QStringLiteral("/files.html"), body);
    // The server of this test stands in for the device's own upload server.
    const QUrl page(QStringLiteral("http://127.0.0.1:%1/files.html").arg(server().port()));
    EXPECT_TRUE(LocalPageReader::isLocalServerPage(page, LocalServerAddress{QStringLiteral("127.0.0.1"), server().port()}));
    EXPECT_FALSE(LocalPageReader::isLocalServerPage(page, LocalServerAddress{}));
    EXPECT_EQ(LocalPageReader::read(page).value_or(QString()), QString::fromUtf8(body));
    EXPECT_FALSE(LocalPageReader::read(QUrl(QStringLiteral("http://127.0.0.1:1/files.html")), {}, std::chrono::seconds(2)).has_value());
}

// The upload server's own pages, shown through the window: a link from one to the next opens it,
// and with an access code set the window still gets the pages and pictures it shows, by its key.
TEST_F(BrowserWindowTest, LinksBetweenTheUploadServersPagesOpenInTheKiosk)
{
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/site/a.html"), "<html><body><a id='next' href='b.html'>next</a></body></html>"));
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/site/b.html"), "<html><body><p id='b'>B</p><img id='pic' src='pic.svg'></body></html>"));
    ASSERT_TRUE(test::writeFile(documents() + QStringLiteral("/site/pic.svg"),
                                "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'><rect width='4' height='4'/></svg>"));
    KVServerStarter upload(documents(), Paths::resourceFile(QStringLiteral("upload")), Paths::resourceFile(QStringLiteral("korvel_error.html")));
    upload.setAccessCode(QStringLiteral("9999"));
    ASSERT_TRUE(upload.startServerConnectionWith(0));
    settings().kvBrowPref.serverSwitchOnOFF = true;
    settings().kvBrowPref.port = upload.getPortNumber();
    KVWKViewController* window = open(QStringLiteral("http://127.0.0.1:%1/Documents/site/a.html").arg(upload.getPortNumber()));
    ASSERT_TRUE(evaluate(window, QStringLiteral("document.getElementById('next') !== null")).toBool())
        << "the first page, by the kiosk's key: " << qPrintable(evaluate(window, QStringLiteral("document.body.innerText")).toString());
    evaluate(window, QStringLiteral("document.getElementById('next').click(); true"));
    EXPECT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("document.getElementById('b') !== null")).toBool(); }, 10000))
        << "the next page opens";
    EXPECT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("document.getElementById('pic').naturalWidth")).toInt() == 4; }, 10000))
        << "its picture too";
}

// The program's commands reach it from a real page: the device id goes to the function the main
// frame names, never to one a sub-frame names, and "home" leaves the window.
TEST_F(BrowserWindowTest, PagesReachTheProgramsCommands)
{
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><body><script>window.got = []; function gotId(id) { got.push(id); }</script>"
        "<iframe src='/frame'></iframe></body></html>"));
    server().setPage(QStringLiteral("/frame"), QByteArrayLiteral(
        "<html><body><script>function gotId(id) {} location.href = 'kvcallback:getuuid:gotId';</script></body></html>"));
    KVWKViewController* window = open(url("allowed.test"));
    ASSERT_TRUE(test::processEventsUntil([&] { return log(QStringLiteral("URL_action")).join(QString()).contains(QStringLiteral("getuuid")); }))
        << "the sub-frame's request arrives, as an ordinary address";
    EXPECT_EQ(evaluate(window, QStringLiteral("got.length")).toInt(), 0);

    evaluate(window, QStringLiteral("location.href = 'kvcallback:getuuid:gotId'; true"));
    ASSERT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("got.length")).toInt() == 1; }));
    EXPECT_EQ(evaluate(window, QStringLiteral("got[0]")).toString(), device.identifierForVendor());

    QSignalSpy home(window, &KVWKViewController::homeRequested);
    evaluate(window, QStringLiteral("location.href = 'kvcallback://home'; true"));
    EXPECT_TRUE(test::processEventsUntil([&] { return home.count() == 1; }));
}

TEST_F(BrowserWindowTest, FiveRealClicksOnThePageAskForThePassword)
{
    KVWKViewController* window = open(url("allowed.test"));
    int granted = 0;
    AdminAccess::setGrantedHandler([&](QWidget* screen) {
        EXPECT_EQ(screen, window);
        ++granted;
    });
    // Quick clicks reach the page as double clicks, slower ones as presses.
    for (const int interval : {100, 300}) {
        granted = 0;
        for (int i = 0; i < 5; ++i) {
            personClick(window, QPoint(200, 200), interval);
            clock.advance(std::chrono::milliseconds(interval));
        }
        EXPECT_EQ(granted, 1) << interval << " ms apart";
        clock.advance(std::chrono::seconds(3));
    }
    EXPECT_TRUE(log(QStringLiteral("App General")).contains(QStringLiteral("Password Alert shown")));
    AdminAccess::setGrantedHandler(nullptr);
}

// A screen that leaves the window with the focus hands it back to the page plainly: the page keeps
// the field it focused itself, where Tab would have moved it to its first link.
TEST_F(BrowserWindowTest, TheFocusComesBackToThePageWithoutMovingToItsFirstLink)
{
    server().setPage(QStringLiteral("/"), QByteArrayLiteral("<html><body><a href='/second'>first</a><input id='field' autofocus></body></html>"));
    KVWKViewController* window = open(url("allowed.test"));
    stack->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(stack.get()));
    auto* over = new Screen;
    auto* typed = new QLineEdit(over);
    stack->push(over, NavigationStack::Animation::None);
    typed->setFocus();
    stack->pop(NavigationStack::Animation::None);
    EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->focusProxy()->hasFocus(); }));
    wait(200);
    EXPECT_EQ(evaluate(window, QStringLiteral("document.activeElement.id")).toString(), QStringLiteral("field"));
}

// A video's full screen fills the page's area and no more; Escape ends it, and so does a window
// that leaves its page.
TEST_F(BrowserWindowTest, FullScreenStaysInsideThePageAreaAndEndsOnEscapeOrWhenTheWindowLeaves)
{
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><body style='margin:0'><div id='player' style='width:100%;height:600px'"
        " onclick='this.requestFullscreen()'>video</div></body></html>"));
    KVWKViewController* window = open(url("allowed.test"));
    const QRect area = window->webView()->geometry();
    const auto fullScreen = [&] { return evaluate(window, QStringLiteral("document.fullscreenElement !== null")).toBool(); };
    ASSERT_TRUE(clickUntil(window, QPoint(200, 200), fullScreen));
    EXPECT_EQ(window->webView()->geometry(), area);
    EXPECT_TRUE(window->webView()->isVisible());
    QTest::keyClick(window->webView()->focusProxy(), Qt::Key_Escape);
    EXPECT_TRUE(test::processEventsUntil([&] { return !fullScreen(); }));
    ASSERT_TRUE(clickUntil(window, QPoint(200, 200), fullScreen));
    window->stopMediaOfHiddenTab();
    EXPECT_TRUE(test::processEventsUntil([&] { return !fullScreen(); }));
}

TEST_F(BrowserWindowTest, APopupOpensOverADimmedWindowAndItsCloseButtonReleasesIt)
{
    settings().kvBrowPref.allowPopup = true;
    settings().kvBrowPref.allowPopupInSameWindow = false;
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><body style='margin:0'><div style='width:100%;height:2000px'"
        " onmousedown='window.presses = (window.presses || 0) + 1'>start</div></body></html>"));
    KVWKViewController* window = open(url("allowed.test"));
    const QPoint inMargin(10, window->height() / 2);

    const auto presses = [&] { return evaluate(window, QStringLiteral("window.presses || 0")).toInt(); };
    const auto tapReachesThePage = [&](const QPoint& pos) {
        const int before = presses();
        return clickUntil(window, pos, [&] { return presses() > before; });
    };

    // Without a pop-up, a click at that point reaches the page: the path the dimmed layer must cut.
    ASSERT_TRUE(tapReachesThePage(inMargin));
    ASSERT_EQ(pagesOf(window), 1);
    const int pressesBefore = presses();

    evaluate(window, QStringLiteral("window.open('%1')").arg(url("allowed.test", "/second")));
    ASSERT_TRUE(popupShows(window));
    QPointer<QWebEngineView> view = window->popupView();
    QPointer<QWebEnginePage> page = view->page();
    auto* frame = qobject_cast<PopupFrame*>(view->parentWidget());
    ASSERT_NE(frame, nullptr);
    QPointer<PopupFrame> frameAlive(frame);

    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->geometry(), window->rect()) << "the dimmed layer covers the whole browser window";
    EXPECT_EQ(view->geometry(), window->rect().adjusted(25, 25, -25, -25));
    EXPECT_EQ(window->childAt(inMargin), frame);
    EXPECT_EQ(window->childAt(window->width() - 14, 14), frame->closeButton()) << "the close button is above everything at the corner";

    QAbstractButton* close = frame->closeButton();
    ASSERT_NE(close, nullptr);
    EXPECT_TRUE(close->isVisible());
    EXPECT_GE(close->width(), 50);
    EXPECT_GE(close->height(), 50);
    EXPECT_EQ(QRectF(close->geometry()).center(), QRectF(view->geometry()).topRight()) << "the button sits on the pop-up's corner";

    clickAt(window, inMargin);
    wait(500);
    EXPECT_EQ(presses(), pressesBefore) << "a tap on the dimmed area reached the page";
    EXPECT_EQ(window->popupView(), view.data()) << "a tap on the dimmed area does nothing";

    clickAt(window, close->geometry().center());
    EXPECT_EQ(window->popupView(), nullptr);
    EXPECT_TRUE(test::processEventsUntil([&] { return page.isNull() && view.isNull() && frameAlive.isNull(); }))
        << "the pop-up's frame, view and page are all released";
    EXPECT_EQ(pagesOf(window), 1);
    EXPECT_TRUE(tapReachesThePage(inMargin)) << "the page takes touches again once the pop-up is gone";
}

TEST_F(BrowserWindowTest, AColourInputIsAnsweredInsideTheKioskWindow)
{
    PagePickers::install();
    server().setPage(QStringLiteral("/"), QByteArrayLiteral(
        "<html><body style='margin:0'><input type='color' id='c' value='#000000'"
        " style='position:absolute;left:0;top:0;width:300px;height:200px'></body></html>"));
    // One input asked again and again: it must open its picker again after every kind of answer.
    const struct {
        const char* name;
        int swatch;  // -1: none touched
        bool done;
        const char* expected;
    } cases[] = {
        {"a swatch, then Done", 0, true, "#ff0000"},
        {"a swatch, then Cancel", 4, false, "#ff0000"},
        {"Done without a swatch keeps the colour", -1, true, "#ff0000"},
    };
    KVWKViewController* window = open(url("allowed.test"));
    for (const auto& c : cases) {
        clickUntil(window, QPoint(150, 100), [] { return ColorPicker::visiblePicker() != nullptr; });
        ColorPicker* picker = ColorPicker::visiblePicker();
        ASSERT_NE(picker, nullptr) << c.name;
        EXPECT_EQ(picker->window(), stack.get()) << c.name << ": the picker is part of the kiosk window";
        for (QWindow* shown : QGuiApplication::topLevelWindows())
            EXPECT_TRUE(shown == stack->windowHandle() || !shown->isVisible()) << c.name << ": another window was shown";
        EXPECT_EQ(QGuiApplication::modalWindow(), nullptr) << c.name << ": the dialog kept off screen blocks nothing";
        ASSERT_EQ(picker->swatches().size(), 24);
        for (QPushButton* swatch : picker->swatches()) {
            EXPECT_GE(swatch->width(), 50);
            EXPECT_GE(swatch->height(), 50);
            EXPECT_TRUE(picker->rect().contains(swatch->mapTo(picker, swatch->rect().bottomRight()))) << "every swatch is on screen";
        }
        // An answer given at once can reach the engine before the page has noted its chooser open.
        wait(300);
        if (c.swatch >= 0)
            QTest::mouseClick(picker->swatches().at(c.swatch), Qt::LeftButton);
        QTest::mouseClick(c.done ? picker->doneButton() : picker->cancelButton(), Qt::LeftButton);
        EXPECT_TRUE(test::processEventsUntil([&] {
            return evaluate(window, QStringLiteral("document.getElementById('c').value")).toString() == QLatin1String(c.expected);
        }, 10000)) << c.name << ": " << evaluate(window, QStringLiteral("document.getElementById('c').value")).toString().toStdString();
        // deleteLater() from inside this test's event processing needs the deferred deletes sent.
        EXPECT_TRUE(test::processEventsUntil([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return ColorPicker::visiblePicker() == nullptr && window->findChildren<QColorDialog*>().isEmpty();
        })) << c.name << ": the picker and the dialog are gone";
    }
}

// A page's file input is answered through the picker: the page sees the picked document, never a
// file outside Documents (whatever the picker hands back), and Home ends the wait with no file.
TEST_F(BrowserWindowTest, FileInputReceivesOnlyThePickedDocument)
{
    for (const char* name : {"Documents/photo.png", "Documents/notes.txt", "secret.png"})
        QFile(home() + QLatin1Char('/') + QLatin1String(name)).open(QIODevice::WriteOnly);
    server().setPage(QStringLiteral("/form"), QByteArrayLiteral(
        "<html><body style='margin:0'><input type=file id=f accept='image/*' style='position:fixed;left:0;top:0;width:100%;height:100%'>"
        "<script>f.onchange = () => document.title = [...f.files].map(x => x.name).join(',') || 'none';</script></body></html>"));
    const struct {
        const char* name;
        std::function<void(KVFilePickerController*, KVWKViewController*, const PageFilePicker::Finished&)> answer;
        QString title;  // the page's, once it has its answer ("" when it got no file)
    } cases[] = {
        {"picked", [](KVFilePickerController* p, KVWKViewController*, const PageFilePicker::Finished&) {
             EXPECT_EQ(p->filesArray().size(), 1);  // notes.txt is no image
             p->didSelectRow(0, 0);
             p->doneButtonPressed();
         }, QStringLiteral("photo.png")},
        {"outside Documents", [this](KVFilePickerController*, KVWKViewController*, const PageFilePicker::Finished& finished) {
             finished({home() + QStringLiteral("/secret.png"), documents() + QStringLiteral("/../secret.png")});
         }, QString()},
        {"Home", [](KVFilePickerController*, KVWKViewController* w, const PageFilePicker::Finished&) { w->homeButtonPressed(); }, QString()},
    };
    for (const auto& c : cases) {
        KVWKViewController* window = open(url("allowed.test", "/form"));
        evaluate(window, QStringLiteral("document.title = ''"));
        bool asked = false;
        const Routes saved = Routes::current();
        Routes routes = saved;
        routes.pickFiles = [&](const PageFileRequest& request, PageFilePicker::Finished finished) {
            asked = true;
            Screen* sheet = KVFilePickerController::forPage(request, finished);
            auto* picker = sheet->findChild<KVFilePickerController*>();
            // The page waits inside the engine's call: the answer comes from the picker's own loop.
            QMetaObject::invokeMethod(picker, [&, picker, window, finished] {
                picker->loadViewIfNeeded();
                c.answer(picker, window, finished);
            }, Qt::QueuedConnection);
            return sheet;
        };
        Routes::install(routes);
        QSignalSpy home(window, &KVWKViewController::homeRequested);
        EXPECT_TRUE(clickUntil(window->webView(), window->webView()->rect().center(), [&] { return asked; })) << c.name;
        if (c.title.isEmpty()) {
            EXPECT_TRUE(test::processEventsUntil([&] { return !stack->presentedScreen(); }, 10000)) << c.name;
            wait(300);
            if (home.isEmpty()) {
                EXPECT_EQ(evaluate(window, QStringLiteral("document.title + f.files.length")).toString(), QStringLiteral("0")) << c.name;
            }
        } else {
            EXPECT_TRUE(test::processEventsUntil([&] { return evaluate(window, QStringLiteral("document.title")).toString() == c.title; }, 10000)) << c.name;
        }
        EXPECT_EQ(home.count(), QLatin1String(c.name) == QLatin1String("Home") ? 1 : 0) << c.name;
        Routes::install(saved);
        closeWindows();
    }
}

// Every way out of a single window ends the visit: what the visitor copied is gone afterwards.
TEST_F(BrowserWindowTest, EveryWayOutOfAWindowEndsTheVisit)
{
    server().setPage(QStringLiteral("/archive"), test::WebTestServer::Page{"PK", "application/zip"});
    QFile document(Paths::documentsDirectory() + QStringLiteral("/guide.html"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly) && document.write("<html><body>guide</body></html>") > 0);
    document.close();
    settings().kvBrowPref.enableMenu = true;
    const struct {
        const char* name;
        QString address;
        std::function<void(KVWKViewController*)> leave;
    } cases[] = {
        {"the page menu's Back in a folder", url("allowed.test"),
         [](KVWKViewController* w) {
             w->menuButtonPressed();
             Alert* sheet = Alert::visibleAlert();
             ASSERT_NE(sheet, nullptr);
             sheet->dismissWithButton(sheet->buttonIndex(QStringLiteral("Back")));
         }},
        {"Back from a document of a folder", QStringLiteral("file:///guide.html"), [](KVWKViewController* w) { w->backButtonPressed(); }},
        {"Back from a website of a folder", url("allowed.test"), [](KVWKViewController* w) { w->backButtonPressed(); }},
        {"a first answer that is a file", url("allowed.test", "/archive"), nullptr},
    };
    for (const auto& c : cases) {
        freshStack();
        stack->push(new Screen, NavigationStack::Animation::None);
        allowedWebsite inFolder = site(c.address);
        inFolder.categoryId = 7;
        settings().allowedWebsites = {inFolder};
        QGuiApplication::clipboard()->setText(QStringLiteral("the visitor's card number"));
        auto* window = KVWKViewController::initWithWebsite(inFolder);
        stack->push(window, NavigationStack::Animation::None);
        if (c.leave) {
            QSignalSpy finished(window, &KVWKViewController::pageFinished);
            ASSERT_TRUE(test::processEventsUntil([&] { return finished.count() > 0; }, 20000)) << c.name;
            c.leave(window);
        }
        EXPECT_TRUE(test::processEventsUntil([&] { return stack->topScreen() != window; }, 20000)) << c.name;
        EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty()) << c.name;
    }
}

// Only the screen on top acts: under the download history a window neither goes home on a network
// gain nor for a blocked word in a page that finishes; it does once it is on top again.
TEST_F(BrowserWindowTest, AWindowUnderAnotherScreenWaitsUntilItIsOnTop)
{
    FakeReachabilityBackend::install(NetworkStatus::ReachableViaWiFi);
    std::unique_ptr<Reachability> monitor(Reachability::reachabilityWithHostName(QStringLiteral("www.example.com")));
    monitor->startNotifier();
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWiFi);
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    p.goHomeOnNetworkGain = true;
    p.allowContentBlocking = true;
    p.strBlockedKeyWord = QStringLiteral("casino");
    p.isAllowFileDownloadInDevice = true;
    p.isAllowKeepDownloadHistory = true;
    server().setPage(QStringLiteral("/news"), QByteArrayLiteral("<html><body>Visit our Casino tonight</body></html>"));
    const struct {
        const char* name;
        std::function<void(KVWKViewController*)> happen;
    } cases[] = {
        {"a network gain",
         [](KVWKViewController*) {
             FakeReachabilityBackend::latest()->setStatus(NetworkStatus::NotReachable);
             FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWWAN);
         }},
        {"a blocked word in a page that finishes",
         [](KVWKViewController* w) {
             QSignalSpy finished(w, &KVWKViewController::pageFinished);
             w->webView()->load(QUrl(url("allowed.test", "/news")));
             ASSERT_TRUE(test::processEventsUntil([&] { return finished.count() > 0; }, 20000));
         }},
    };
    for (const auto& c : cases) {
        freshStack();
        stack->push(new Screen, NavigationStack::Animation::None);
        KVWKViewController* window = open(url("allowed.test"));
        QSignalSpy home(window, &KVWKViewController::homeRequested);
        window->goToDownloadHistoryView();
        Screen* history = stack->topScreen();
        ASSERT_NE(history, window) << c.name;
        c.happen(window);
        wait(500);
        EXPECT_EQ(home.count(), 0) << c.name;
        EXPECT_EQ(stack->topScreen(), history) << c.name;
        stack->pop(NavigationStack::Animation::None);
        EXPECT_TRUE(test::processEventsUntil([&] { return home.count() == 1; }, 20000)) << c.name;
    }
    Reachability::setBackendFactory(nullptr);
}

// "Show Files Using Google Docs": a document the engine cannot show goes to the online viewer.
TEST_F(BrowserWindowTest, DocumentsTheEngineCannotShowOpenInTheOnlineViewer)
{
    settings().kvBrowPref.allowAllWebsites = true;
    settings().kvBrowPref.isAllowOpenFileInGoogleDocs = true;
    KVWKViewController* window = open(url("allowed.test"));
    const QString document = url("allowed.test", "/report.docx");
    window->webView()->load(QUrl(document));
    const QString viewed = QStringLiteral("Loading URL: https://docs.google.com/viewer?embedded=true&url=") + document;
    EXPECT_TRUE(test::processEventsUntil([&] { return log(QStringLiteral("Webview")).contains(viewed); }, 20000))
        << qPrintable(log(QStringLiteral("Webview")).join(QLatin1Char('\n')));
}

// A pop-up that is still loading shows the spinner over itself, whatever "EnableLoadingIcon" says.
TEST_F(BrowserWindowTest, APopupShowsASpinnerWhileItLoads)
{
    settings().kvBrowPref.allowPopup = true;
    settings().kvBrowPref.allowPopupInSameWindow = false;
    settings().kvBrowPref.enableloadingIcon = false;
    WebTestServer::Page slow;
    slow.body = QByteArrayLiteral("<html><body>slow</body></html>");
    slow.delivery = WebTestServer::Page::Delivery::Stalled;
    server().setPage(QStringLiteral("/slow"), slow);
    KVWKViewController* window = open(url("allowed.test"));
    evaluate(window, QStringLiteral("window.open('%1'); 0").arg(url("allowed.test", "/slow")));
    ASSERT_TRUE(test::processEventsUntil([&] { return window->popupView() != nullptr; }, 20000));
    auto* frame = qobject_cast<PopupFrame*>(window->popupView()->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(test::processEventsUntil([&] { return frame->spinner()->isVisible(); }, 10000));
    // The dropped connection is asked again by the engine: that time the page comes whole (a
    // stalled one again waited out the server's 20 s, past the wait below on a loaded machine).
    slow.delivery = WebTestServer::Page::Delivery::Whole;
    server().setPage(QStringLiteral("/slow"), slow);
    server().releaseStalled();
    EXPECT_TRUE(test::processEventsUntil([&] { return !frame->spinner()->isVisible(); }, 30000));
}
