#include "browser/IdleTimer.h"
#include "browser/ui/TabCell.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVScreensaver.h"
#include "browser/ui/BrowserTabsController.h"
#include "platform/FakeReachabilityBackend.h"
#include "platform/NotificationCenter.h"
#include "platform/NotificationNames.h"
#include "platform/Paths.h"
#include "platform/Reachability.h"
#include "platform/ui/Toast.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QFile>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace korvel;

namespace {

class TabsTest : public test::WebWindowTest {
protected:
    void SetUp() override
    {
        WebWindowTest::SetUp();
        KVBrowserPrefSettings& p = settings().kvBrowPref;
        p.useMultiTab = true;
        p.countOfTabs = 8;
        allowedWebsite start = site(url("allowed.test"));
        start.title = QStringLiteral("Allowed");
        settings().allowedWebsites = {start};
        // What the application copies into the documents directory at every start.
        for (const QString& name : Paths::homePageResources())
            QFile::copy(Paths::resourceFile(name), documents() + QLatin1Char('/') + name);
    }

    // The tab controller on the stack, its first tab showing the home page with `icons` entries.
    BrowserTabsController* showTabs(int icons = 1)
    {
        auto* tabs = new BrowserTabsController;
        stack->push(tabs, NavigationStack::Animation::None);
        EXPECT_TRUE(homePageShows(test::windowOf(tabs, 0), icons));
        return tabs;
    }

    static int iconCount(KVWKViewController* window)
    {
        return evaluate(window, QStringLiteral("document.querySelectorAll('#icons .icon').length")).toInt();
    }

    static bool homePageShows(KVWKViewController* window, int icons = 1)
    {
        return window && test::processEventsUntil([&] { return window->showsHomePage() && iconCount(window) == icons; }, 20000);
    }

    static bool showsTitle(KVWKViewController* window, const char* title)
    {
        return test::processEventsUntil([&] { return window->webView()->title() == QLatin1String(title); }, 20000);
    }

    // The titles of the home page's icons, in order.
    static QStringList iconTitles(KVWKViewController* window)
    {
        return evaluate(window, QStringLiteral("Array.from(document.querySelectorAll('#icons .icon span')).map(s => s.textContent)"))
            .toStringList();
    }

    // A real tap on the home page's icon number `index`, until `reached`.
    bool tapIcon(KVWKViewController* window, int index, const std::function<bool()>& reached)
    {
        const QJsonObject box = QJsonDocument::fromJson(
                                    evaluate(window, QStringLiteral("JSON.stringify(document.querySelectorAll('#icons .icon')[%1].getBoundingClientRect())").arg(index))
                                        .toString()
                                        .toUtf8())
                                    .object();
        const QPoint center(int(box.value(QStringLiteral("x")).toDouble() + box.value(QStringLiteral("width")).toDouble() / 2),
                            int(box.value(QStringLiteral("y")).toDouble() + box.value(QStringLiteral("height")).toDouble() / 2));
        return clickUntil(window->webView(), center, reached);
    }

    void press(QPushButton* button) { clickAt(button, button->rect().center()); }
};

}  // namespace

TEST_F(TabsTest, TheLimitRefusesATabWithAToastUntilOneCloses)
{
    settings().kvBrowPref.countOfTabs = 3;
    BrowserTabsController* tabs = showTabs();
    EXPECT_FALSE(tabs->cell(0)->isCloseButtonVisible()) << "the only tab cannot be closed";
    press(tabs->addButton());
    EXPECT_TRUE(tabs->cell(0)->isCloseButtonVisible() && tabs->cell(1)->isCloseButtonVisible()) << "two tabs can close";
    press(tabs->addButton());
    ASSERT_EQ(tabs->tabCount(), 3);
    EXPECT_TRUE(homePageShows(test::windowOf(tabs, 2))) << "a new tab starts on the home page";
    press(tabs->addButton());
    EXPECT_EQ(tabs->tabCount(), 3);
    EXPECT_TRUE(toastShown(QStringLiteral("You cannot open more than 3 tab(s)")));
    for (Toast* toast : Toast::visibleToasts()) {
        const QRect strip(tabs->cell(0)->mapTo(tabs->window(), QPoint(0, 0)), tabs->cell(0)->size());
        EXPECT_FALSE(toast->geometry().intersects(strip)) << "the toast leaves the strip free";
    }
    press(tabs->cell(1)->closeButton());
    ASSERT_EQ(tabs->tabCount(), 2);
    press(tabs->addButton());
    EXPECT_EQ(tabs->tabCount(), 3) << "after closing one, '+' opens a tab again";
    clickAt(tabs->cell(0), QPoint(40, 20));
    EXPECT_TRUE(test::processEventsUntil([&] { return tabs->selectInt() == 0 && test::windowOf(tabs, 0)->isVisible(); })) << "a tap on a tab shows it";
}

TEST_F(TabsTest, StoredCountsOutsideTheRangeBecomeEight)
{
    for (const int stored : {0, 12}) {
        settings().kvBrowPref.countOfTabs = stored;
        showTabs();
        EXPECT_EQ(settings().kvBrowPref.countOfTabs, 8) << stored;
        stack->pop(NavigationStack::Animation::None);
    }
}

// The tab before the closed one shows, and the closed tab's window and page are gone.
TEST_F(TabsTest, ClosingATabShowsTheOneBeforeItAndReleasesItsPage)
{
    const struct {
        int closed;
        int shownBefore;  // index, among the three tabs before the close, of the tab shown after
    } cases[] = {{0, 1}, {2, 1}, {1, 0}};
    for (const auto& c : cases) {
        BrowserTabsController* tabs = showTabs();
        press(tabs->addButton());
        press(tabs->addButton());
        const QPointer<KVWKViewController> shown = test::windowOf(tabs, c.shownBefore);
        const QPointer<KVWKViewController> closed = test::windowOf(tabs, c.closed);
        const QPointer<QWebEnginePage> page = closed->webView()->page();
        press(tabs->cell(c.closed)->closeButton());
        EXPECT_EQ(tabs->getSelectedViewController(), shown.data()) << c.closed;
        EXPECT_TRUE(shown->isVisible()) << c.closed;
        EXPECT_TRUE(tabs->cell(tabs->selectInt())->isSelectedLook()) << c.closed;
        EXPECT_TRUE(test::processEventsUntil([&] {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            return !closed && !page;
        })) << c.closed;
        stack->pop(NavigationStack::Animation::None);
    }
}

TEST_F(TabsTest, APagesWindowOpensAsTheNextTabAndClosesWithIt)
{
    settings().kvBrowPref.allowPopup = false;
    BrowserTabsController* tabs = showTabs();
    press(tabs->addButton());
    tabs->selectTab(0);
    KVWKViewController* first = test::windowOf(tabs, 0);
    first->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(showsTitle(first, "Start"));
    evaluate(first, QStringLiteral("window.open('%1'); 0").arg(url("allowed.test", "/second")));
    ASSERT_TRUE(test::processEventsUntil([&] { return tabs->tabCount() == 3 && test::windowOf(tabs, 1); }));
    KVWKViewController* opened = test::windowOf(tabs, 1);
    EXPECT_EQ(tabs->selectInt(), 1) << "the page's window is the next tab, selected";
    EXPECT_TRUE(showsTitle(opened, "Second"));
    EXPECT_TRUE(test::processEventsUntil([&] { return tabs->cell(1)->label() == QLatin1String("allowed.test"); })) << "labelled with the host";
    evaluate(opened, QStringLiteral("window.close(); 0"));
    wait(300);
    clock.advance(std::chrono::milliseconds(690));
    EXPECT_EQ(tabs->tabCount(), 3) << "the tab waits 0.7 seconds";
    clock.advance(std::chrono::milliseconds(10));
    EXPECT_EQ(tabs->tabCount(), 2);
    EXPECT_EQ(test::windowOf(tabs, 0), first);
    EXPECT_EQ(tabs->selectInt(), 0) << "the tab before it is selected";
}

TEST_F(TabsTest, LeavingATabStopsAndRewindsItsSound)
{
    // One second of silence as 8 kHz 8-bit WAV.
    QByteArray wav("RIFF");
    const quint32 samples = 8000;
    auto le32 = [](quint32 v) { return QByteArray(reinterpret_cast<const char*>(&v), 4); };
    wav += le32(36 + samples) + "WAVEfmt " + le32(16) + QByteArray::fromHex("01000100401f0000401f000001000800") + "data" + le32(samples)
           + QByteArray(int(samples), char(0x80));
    test::WebTestServer::Page sound;
    sound.body = wav;
    sound.mimeType = "audio/wav";
    server().setPage(QStringLiteral("/sound.wav"), sound);
    server().setPage(QStringLiteral("/audio"),
                     QByteArrayLiteral("<html><head><title>Audio</title></head><body style='margin:0'>"
                                       "<button id='b' style='width:100vw;height:100vh' onclick=\"document.getElementById('a').play()\">play</button>"
                                       "<audio id='a' src='/sound.wav' loop preload='auto'></audio></body></html>"));
    BrowserTabsController* tabs = showTabs();
    press(tabs->addButton());
    tabs->selectTab(0);
    KVWKViewController* first = test::windowOf(tabs, 0);
    first->webView()->load(QUrl(url("allowed.test", "/audio")));
    ASSERT_TRUE(showsTitle(first, "Audio"));
    ASSERT_TRUE(test::processEventsUntil([&] { return evaluate(first, QStringLiteral("document.getElementById('a').readyState")).toInt() >= 1; }));
    const bool playing = clickUntil(first->webView(), QPoint(50, 50), [&] {
        return !evaluate(first, QStringLiteral("document.getElementById('a').paused")).toBool();
    });
    evaluate(first, QStringLiteral("document.getElementById('a').currentTime = 0.5; 0"));
    tabs->selectTab(1);
    EXPECT_TRUE(test::processEventsUntil([&] {
        return evaluate(first, QStringLiteral("document.getElementById('a').paused && document.getElementById('a').currentTime === 0")).toBool();
    })) << "playing before the switch: " << playing;
}

TEST_F(TabsTest, TheHomePageListsACategoryWithBackAndTapsNavigate)
{
    allowedWebsite inFolder = site(url("allowed.test", "/second"));
    inFolder.title = QStringLiteral("In the folder");
    inFolder.categoryId = 7;
    settings().allowedWebsites.append(inFolder);
    allowedWebsiteCategory folder;
    folder.categoryId = 7;
    folder.categoryTitle = QStringLiteral("Folder");
    settings().allowedWebsitesCategories = {folder};
    BrowserTabsController* tabs = showTabs(2);
    KVWKViewController* window = test::windowOf(tabs, 0);
    EXPECT_EQ(iconTitles(window), (QStringList{"Allowed", "Folder"}));
    EXPECT_EQ(tabs->cell(0)->label(), qtTrId("TEXT_HOME"));
    ASSERT_TRUE(tapIcon(window, 1, [&] { return iconTitles(window).contains(QStringLiteral("In the folder")); }));
    EXPECT_EQ(iconTitles(window), (QStringList{"In the folder", qtTrId("TEXT_BACK")}));
    ASSERT_TRUE(tapIcon(window, 1, [&] { return iconTitles(window).contains(QStringLiteral("Folder")); })) << "Back leaves the folder";
    ASSERT_TRUE(tapIcon(window, 0, [&] { return window->webView()->title() == QLatin1String("Start"); })) << "a website's icon opens it";
    EXPECT_TRUE(test::processEventsUntil([&] { return tabs->cell(0)->label() == QLatin1String("allowed.test"); }));
}

// The home page may read neither files nor the web: local and web icons reach it as image data.
TEST_F(TabsTest, IconsArriveAsDataAndTitlesStayText)
{
    QImage icon(8, 6, QImage::Format_RGB32);
    icon.fill(Qt::red);
    ASSERT_TRUE(icon.save(documents() + QStringLiteral("/icon.png")));
    test::WebTestServer::Page webIcon;
    webIcon.body = test::readFile(documents() + QStringLiteral("/icon.png"));
    webIcon.mimeType = "image/png";
    server().setPage(QStringLiteral("/icon.png"), webIcon);
    const QString hostile = QStringLiteral("\");window.hacked=1;//</script><img src=x onerror=\"window.hacked=2\">'");
    settings().allowedWebsites[0].title = hostile;
    settings().allowedWebsites[0].iconURL = QStringLiteral("icon.png");
    allowedWebsite second = site(url("allowed.test", "/second"));
    second.title = QStringLiteral("Second");
    second.iconURL = url("127.0.0.1", "/icon.png");
    settings().allowedWebsites.append(second);
    BrowserTabsController* tabs = showTabs(2);
    KVWKViewController* window = test::windowOf(tabs, 0);
    EXPECT_EQ(iconTitles(window), (QStringList{hostile, QStringLiteral("Second")}));
    for (const int index : {0, 1}) {
        EXPECT_TRUE(test::processEventsUntil([&] {
            return evaluate(window, QStringLiteral("var i = document.querySelectorAll('#icons img')[%1];"
                                                   " i.src.startsWith('data:image/png;base64') && i.naturalWidth").arg(index))
                       .toInt()
                   == 8;
        })) << "icon " << index << " is in the page";
    }
    wait(300);
    EXPECT_EQ(evaluate(window, QStringLiteral("typeof window.hacked")).toString(), QStringLiteral("undefined"));
}

TEST_F(TabsTest, ADiscardedHiddenTabLoadsAgainWhenShown)
{
    BrowserTabsController* tabs = showTabs();
    press(tabs->addButton());
    tabs->selectTab(0);
    KVWKViewController* first = test::windowOf(tabs, 0);
    first->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(showsTitle(first, "Start"));
    tabs->selectTab(1);
    clock.advance(BrowserTabsController::discardAfter);
    ASSERT_EQ(first->webView()->page()->lifecycleState(), QWebEnginePage::LifecycleState::Discarded);
    QSignalSpy loads(first->webView()->page(), &QWebEnginePage::loadFinished);
    tabs->selectTab(0);
    EXPECT_TRUE(test::processEventsUntil([&] { return loads.count() > 0 && first->webView()->title() == QLatin1String("Start"); }, 20000))
        << int(first->webView()->page()->lifecycleState());
    EXPECT_EQ(first->webView()->page()->lifecycleState(), QWebEnginePage::LifecycleState::Active);
}

TEST_F(TabsTest, TouchesWaitForTheCrossFade)
{
    BrowserTabsController* tabs = showTabs();
    press(tabs->addButton());
    NavigationStack::setAnimationsEnabled(true);
    tabs->selectTab(0);
    EXPECT_TRUE(tabs->isSwitching());
    press(tabs->addButton());
    EXPECT_EQ(tabs->tabCount(), 2) << "a tap during the switch does nothing";
    EXPECT_TRUE(test::processEventsUntil([&] { return !tabs->isSwitching(); }, 3000));
    NavigationStack::setAnimationsEnabled(false);
    press(tabs->addButton());
    EXPECT_EQ(tabs->tabCount(), 3);
}

TEST_F(TabsTest, TheHomeScreenHandsOverAndAnExternalAddressOpensInTheTab)
{
    // An address handed over is matched by its registrable domain, which test hosts do not have.
    allowedWebsite example = site(QStringLiteral("https://www.example.com/"));
    example.title = QStringLiteral("Example");
    settings().allowedWebsites.append(example);
    settings().save();  // the home screen reads the stored settings
    auto* home = new KVHomePageViewController;
    stack->push(home, NavigationStack::Animation::None);
    BrowserTabsController* tabs = nullptr;
    ASSERT_TRUE(test::processEventsUntil([&] { return (tabs = qobject_cast<BrowserTabsController*>(stack->topScreen())) != nullptr; }));
    KVWKViewController* first = test::windowOf(tabs, 0);
    ASSERT_TRUE(homePageShows(first, 2));
    const QVariantMap handedOver{{QStringLiteral("url"), QUrl(QStringLiteral("https://www.example.com/news"))}};
    NotificationCenter::defaultCenter().post(QStringLiteral("ExternalURL"), nullptr, handedOver);
    EXPECT_TRUE(test::processEventsUntil([&] { return !first->showsHomePage(); })) << "the tab on its home page takes the address";
    ASSERT_TRUE(first->selectedWebsite());
    EXPECT_EQ(first->selectedWebsite()->title, QStringLiteral("Example"));
    EXPECT_EQ(tabs->tabCount(), 1);
    NotificationCenter::defaultCenter().post(QStringLiteral("ExternalURL"), nullptr, handedOver);
    EXPECT_EQ(tabs->tabCount(), 2) << "a tab showing a website leaves the address to a new tab";
    EXPECT_EQ(tabs->selectInt(), 1);
}

TEST_F(TabsTest, TurningTheScreenRelaysTheStripAndTheShownTab)
{
    stack->resize(1280, 800);
    BrowserTabsController* tabs = showTabs();
    press(tabs->addButton());
    const struct {
        QSize screen;
        int cellWidth;
    } cases[] = {{{600, 1000}, 170}, {{1280, 800}, 230}};
    for (const auto& c : cases) {
        stack->resize(c.screen);
        QCoreApplication::processEvents();
        EXPECT_EQ(tabs->cell(0)->width(), c.cellWidth) << c.screen.width();
        EXPECT_EQ(test::windowOf(tabs, 1)->size(), tabs->getViewControllerContainerFrame().size()) << c.screen.width();
        EXPECT_EQ(test::windowOf(tabs, 1)->width(), c.screen.width());
    }
}

// The policy's keyword filter of tabbed mode applies while the tabs are the visible screen.
TEST_F(TabsTest, ABlockedKeywordInAnAddressSendsTheTabHome)
{
    settings().kvBrowPref.allowContentBlocking = true;
    settings().kvBrowPref.strBlockedKeyWord = QStringLiteral("casino");
    BrowserTabsController* tabs = showTabs();
    KVWKViewController* window = test::windowOf(tabs, 0);
    // The second time comes within the 15 seconds that hold the person's Home back: the filter's
    // Home happens all the same.
    for (int visit = 0; visit < 2; ++visit) {
        window->webView()->load(QUrl(url("allowed.test")));
        ASSERT_TRUE(showsTitle(window, "Start")) << visit;
        evaluate(window, QStringLiteral("location.href = '/casino'; 0"));
        EXPECT_TRUE(homePageShows(window)) << "the tab goes back to its home page, visit " << visit;
    }
    EXPECT_EQ(requestsFor("/casino"), 0);
}

// The tabs' home page has the downloads bar while downloads and their history are allowed, and a
// website has none.
TEST_F(TabsTest, TheHomePageHasTheDownloadsBar)
{
    settings().kvBrowPref.isAllowFileDownloadInDevice = true;
    settings().kvBrowPref.isAllowKeepDownloadHistory = true;
    KVWKViewController* window = test::windowOf(showTabs(), 0);
    ASSERT_TRUE(test::processEventsUntil([&] { return window->downloadsBar() && window->downloadsBar()->isVisible(); }, 10000));
    window->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(showsTitle(window, "Start"));
    EXPECT_FALSE(window->downloadsBar()->isVisible());
}

// Back in the foreground the strip is read again from the tabs' pages.
TEST_F(TabsTest, TheStripIsReadAgainOnReturnToTheForeground)
{
    BrowserTabsController* tabs = showTabs();
    ASSERT_TRUE(test::processEventsUntil([&] { return tabs->cell(0)->label() == QStringLiteral("Home"); }));
    tabs->cell(0)->setLabel(QStringLiteral("stale"));
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(tabs->cell(0)->label(), QStringLiteral("Home"));
}

TEST_F(TabsTest, TheTabsStartTheScreensaverWhenIdle)
{
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(documents() + QStringLiteral("/saver.png")));
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    p.enableScreenSaver = true;
    p.idleTimeout = 30;
    p.screenSaverURL = QStringLiteral("saver.png");
    KVScreensaver* screensaver = KVScreensaver::getScreensaverObject();
    screensaver->setHost(stack.get());
    showTabs();
    clock.advance(std::chrono::seconds(29));
    EXPECT_FALSE(screensaver->isShowing());
    clock.advance(std::chrono::seconds(1));
    EXPECT_TRUE(screensaver->isShowing());
    EXPECT_TRUE(log(QStringLiteral("Webview")).contains(QStringLiteral("idletime exceeded")));
    screensaver->stopMovie();
}

// A private kiosk with tabs: whatever a page stored, of every kind, is gone for the next visitor,
// whether the visit ended by Home or by the idle return, and Home leaves no tab loading.
TEST_F(TabsTest, APrivateVisitLeavesNoStorageForTheNextVisitor)
{
    // The page tells what it found kept from before, then keeps its own secrets.
    server().setPage(QStringLiteral("/store"), QByteArrayLiteral(R"(<html><body><script>
const found = [localStorage.getItem('k'), sessionStorage.getItem('k')];
const open = indexedDB.open('visitor', 1);
open.onupgradeneeded = e => e.target.result.createObjectStore('o');
open.onsuccess = e => {
  const tx = e.target.result.transaction('o', 'readwrite');
  const get = tx.objectStore('o').get('k');
  get.onsuccess = () => { found.push(get.result || null); tx.objectStore('o').put('secret', 'k'); };
  tx.oncomplete = () => {
    localStorage.setItem('k', 'secret');
    sessionStorage.setItem('k', 'secret');
    document.title = found.every(v => v === null) ? 'clean' : 'kept ' + JSON.stringify(found);
  };
};
</script></body></html>)"));
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    p.privateBrowsing = true;
    p.goHomeOnIdleTimeout = true;
    p.idleTimeout = 30;
    settings().allowedWebsites = {site(url("allowed.test"))};
    // Home rests 15 s after each use; a touch keeps the idle return away meanwhile.
    const auto home = [this](KVWKViewController* window) {
        clock.advance(std::chrono::seconds(16));
        NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
        window->homeButtonPressed();
    };
    const struct {
        const char* way;
        std::function<void(KVWKViewController*)> end;
    } ways[] = {
        {"Home", home},
        {"the idle return", [this](KVWKViewController*) {
             NotificationCenter::defaultCenter().post(QStringLiteral("EventHasOccurred"));
             clock.advance(std::chrono::seconds(30));
         }},
    };
    BrowserTabsController* tabs = showTabs();
    for (const auto& w : ways) {
        KVWKViewController* window = test::windowOf(tabs, 0);
        window->webView()->load(QUrl(url("allowed.test", "/store")));
        ASSERT_TRUE(test::processEventsUntil([&] { return window->webView()->title().startsWith(QLatin1String("clean")); }, 20000))
            << w.way << ": " << qPrintable(window->webView()->title());
        QGuiApplication::clipboard()->setText(QStringLiteral("the visitor's card number"));
        w.end(window);
        ASSERT_TRUE(homePageShows(test::windowOf(tabs, 0))) << w.way;
        EXPECT_TRUE(test::processEventsUntil([&] { return !test::windowOf(tabs, 0)->isLoading(); }, 5000)) << w.way << ": the tab stays loading";
        EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty()) << w.way;
        // The next visitor opens the same site.
        test::windowOf(tabs, 0)->webView()->load(QUrl(url("allowed.test", "/store")));
        EXPECT_TRUE(showsTitle(test::windowOf(tabs, 0), "clean")) << w.way << ": " << qPrintable(test::windowOf(tabs, 0)->webView()->title());
        home(test::windowOf(tabs, 0));
        ASSERT_TRUE(homePageShows(test::windowOf(tabs, 0))) << w.way;
    }
}

// The tabs' corridors: leaving them for the settings ends the visit once for every tab and stops
// every tab's idle timer; with go-home-on-gain a network gain takes every tab home.
TEST_F(TabsTest, LeavingStopsEveryTimerAndANetworkGainSendsEveryTabHome)
{
    KVBrowserPrefSettings& p = settings().kvBrowPref;
    p.privateBrowsing = true;
    p.goHomeOnIdleTimeout = true;
    p.idleTimeout = 30;
    p.goHomeOnNetworkGain = true;
    FakeReachabilityBackend::install(NetworkStatus::ReachableViaWiFi);
    std::unique_ptr<Reachability> monitor(Reachability::reachabilityWithHostName(QStringLiteral("www.example.com")));
    monitor->startNotifier();
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWiFi);

    BrowserTabsController* tabs = showTabs();
    tabs->onAddActionBtnPressed();
    ASSERT_TRUE(homePageShows(test::windowOf(tabs, 1)));
    for (int i : {0, 1}) {
        test::windowOf(tabs, i)->webView()->load(QUrl(url("allowed.test")));
        ASSERT_TRUE(showsTitle(test::windowOf(tabs, i), "Start")) << i;
    }
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::NotReachable);
    FakeReachabilityBackend::latest()->setStatus(NetworkStatus::ReachableViaWWAN);
    EXPECT_TRUE(homePageShows(test::windowOf(tabs, 0)));
    EXPECT_TRUE(homePageShows(test::windowOf(tabs, 1))) << "the hidden tab too";
    Reachability::setBackendFactory(nullptr);

    ASSERT_TRUE(test::windowOf(tabs, 0)->idleTimer().isActive());
    NotificationCenter::defaultCenter().post(kStopTimerNotification);
    EXPECT_FALSE(test::windowOf(tabs, 0)->idleTimer().isActive());
    EXPECT_FALSE(test::windowOf(tabs, 0)->idleTimer().isObservingEvents());

    test::windowOf(tabs, 0)->webView()->load(QUrl(url("allowed.test")));
    ASSERT_TRUE(showsTitle(test::windowOf(tabs, 0), "Start"));
    // Repeats within a minute are folded into one counting line.
    const auto deletions = [this] {
        const QString line = QStringLiteral("Cookies for allowed.test deleted successfully");
        const QString folded = line + QStringLiteral(" ... repeated ");
        int count = 0;
        for (const QString& logged : log(QStringLiteral("Webview"))) {
            if (logged == line)
                ++count;
            else if (logged.startsWith(folded))
                count += logged.mid(folded.size()).section(QLatin1Char(' '), 0, 0).toInt();
        }
        return count;
    };
    const int before = deletions();
    NotificationCenter::defaultCenter().post(kCallMultiTabDisappearNotification);
    EXPECT_EQ(deletions(), before + 1);
}
