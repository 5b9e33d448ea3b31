#include "admin/ui/KVMainMenuViewController.h"
#include "app/KVAppDelegate.h"
#include "app/ui/KVMainWindow.h"
#include "app/ui/KorvelShell.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/BrowserTabsController.h"
#include "platform/NotificationCenter.h"
#include "platform/Reachability.h"
#include "platform/ui/Alert.h"
#include "platform/ui/Theme.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/cli/KorvelctlProcess.h"

#include <QDirIterator>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>

using namespace korvel;
using korvel::test::WebTestServer;
using korvel::test::evaluate;

namespace {

class KioskJourneyTest : public test::KorvelctlProcess {
protected:
    void TearDown() override
    {
        shell.reset();
        KorvelctlProcess::TearDown();
    }

    // Starts the kiosk as it starts on the device; its stack once the grid is up.
    NavigationStack* start()
    {
        shell.reset();
        KVLogger::createDatabase_Tables();
        shell = std::make_unique<KorvelShell>();
        shell->show();
        NavigationStack* stack = shell->window().navigationStack();
        EXPECT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; }))
            << "with websites the welcome screen hands over to the grid";
        return stack;
    }

    // Opens the grid's first website; the window once its page, titled "Visit", has loaded.
    KVWKViewController* openTheWebsite(NavigationStack* stack)
    {
        KVHomePageViewController* home = nullptr;
        EXPECT_TRUE(test::processEventsUntil([&] { return (home = qobject_cast<KVHomePageViewController*>(stack->topScreen())) != nullptr; }));
        if (!home)
            return nullptr;
        home->didSelectItem(0);
        auto* window = qobject_cast<KVWKViewController*>(stack->topScreen());
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Visit"); }, 20000));
        }
        return window;
    }

    // The hidden gesture (five taps through `tap`) and the factory password; true once the settings show.
    bool enterTheSettings(NavigationStack* stack, const std::function<void()>& tap)
    {
        for (int i = 0; i < 5; ++i) {
            tap();
            clock.advance(std::chrono::milliseconds(200));
        }
        Alert* prompt = Alert::visibleAlert();
        EXPECT_NE(prompt, nullptr) << "the password prompt";
        if (!prompt)
            return false;
        prompt->textField(0)->setText(QStringLiteral("9246"));
        prompt->dismissWithButton(prompt->buttonIndex(QStringLiteral("OK")));
        return test::processEventsUntil([&] { return qobject_cast<KVMainMenuViewController*>(stack->topScreen()) != nullptr; });
    }

    static void allowOnly(const QString& address)
    {
        allowedWebsite site;
        site.url = address;
        site.title = QStringLiteral("Visit");
        KVSettings::getSettingsObject().allowedWebsites = {site};
    }

    std::unique_ptr<KorvelShell> shell;
};

// Whether some file under `dir` holds `marker`.
bool anyFileHolds(const QString& dir, const QByteArray& marker)
{
    QDirIterator files(dir, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        QFile file(files.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(marker))
            return true;
    }
    return false;
}

}  // namespace

// What an administrator and a visitor do on a new device: configure it over SSH, start it, open a
// website, come back, and reach the settings with the hidden gesture and the password.
TEST_F(KioskJourneyTest, ConfigureStartBrowseAndReachTheSettings)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Visit</title></head><body>shop</body></html>"));
    ok({"categories", "add", "news"});
    ok({"sites", "add", server.url(QStringLiteral("shop.test")).toUtf8().constData(), "--title", "Shop"});
    ok({"sites", "add", "paper.test", "--category", "1"});
    restart();
    NavigationStack* stack = start();
    auto* homeScreen = qobject_cast<KVHomePageViewController*>(stack->topScreen());
    ASSERT_NE(homeScreen, nullptr);
    QStringList titles;
    for (auto* cell : homeScreen->cells())
        titles << cell->titleText();
    EXPECT_EQ(titles, (QStringList{QStringLiteral("Shop"), QStringLiteral("News")}));
    // The log opens late in the launch, so what the first start did with the password and "Korvel
    // Started" are its first lines, then the screens.
    EXPECT_EQ(loggedEvents(QStringLiteral("App General")).mid(0, 4),
              (QStringList{QStringLiteral("First start: the factory password is set"), QStringLiteral("Korvel Started"),
                           QStringLiteral("Welcome Screen Loaded"), QStringLiteral("Home Page Loaded")}));

    KVWKViewController* window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);
    window->homeButtonPressed();
    // Home returns to the root, the welcome screen, which hands over to the grid again.
    ASSERT_TRUE(test::processEventsUntil([&] { return (homeScreen = qobject_cast<KVHomePageViewController*>(stack->topScreen())) != nullptr; }));
    ASSERT_TRUE(enterTheSettings(stack, [&] { homeScreen->handleSingleTap(); }));
    EXPECT_EQ(shell->delegate().state, 1) << "the delegate knows the settings are open";

    static_cast<KVMainMenuViewController*>(stack->topScreen())->handleBack();
    EXPECT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVMainMenuViewController*>(stack->topScreen()) == nullptr; }))
        << "Done leaves the settings";
    EXPECT_EQ(shell->delegate().state, 0);
}

TEST_F(KioskJourneyTest, AnAddressFromAnotherProgramOpensItsWebsite)
{
    ok({"sites", "add", "www.example.co.uk", "--protocol", "https", "--subdomains"});
    ok({"sites", "add", WebTestServer::shared().url(QStringLiteral("shop.test")).toUtf8().constData()});
    restart();
    NavigationStack* stack = start();
    QWidget* home = stack->topScreen();

    // Another program's address of no allowed website: the alert, and the grid stays.
    shell->delegate().openURL(QStringLiteral("korvel://https//elsewhere.org/a"));
    clock.advance(std::chrono::milliseconds(500));
    ASSERT_NE(Alert::visibleAlert(), nullptr);
    EXPECT_EQ(Alert::visibleAlert()->title(), QStringLiteral("ERROR"));
    EXPECT_TRUE(Alert::visibleAlert()->message().startsWith(QStringLiteral("External URL not Allowed ")));
    Alert::visibleAlert()->dismiss();
    EXPECT_EQ(stack->topScreen(), home);

    // One of a sub-domain of the allowed website opens it, with the handed-over address.
    shell->delegate().openURL(QStringLiteral("korvel://https//shop.example.co.uk/a"));
    KVWKViewController* window = nullptr;
    const auto windowOpened = [&] { return (window = qobject_cast<KVWKViewController*>(stack->topScreen())) != nullptr; };
    for (int i = 0; i < 80 && !windowOpened(); ++i) {
        clock.advance(std::chrono::milliseconds(250));
        test::processEventsUntil(windowOpened, 250);
    }
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->selectedWebsite().has_value());
    EXPECT_EQ(window->selectedWebsite()->url, QStringLiteral("https://www.example.co.uk"));

    // Handed over while a window's page holds an alert: that window leaves, its alert with it, and
    // the new one takes its place rather than piling up over it.
    WebTestServer::shared().setPage(QStringLiteral("/alert"), QByteArrayLiteral(
        "<html><head><title>Alert</title></head><body><script>setTimeout(function() { alert('again'); }, 100);</script></body></html>"));
    // The alert waits inside the engine's call: the address arrives from within that wait, and an
    // alert still there 15 s later is closed so that the test can tell.
    QTimer handOver;
    QObject::connect(&handOver, &QTimer::timeout, [&] {
        if (!Alert::visibleAlert())
            return;
        handOver.stop();
        shell->delegate().openURL(QStringLiteral("korvel://https//shop.example.co.uk/c"));
        QTimer::singleShot(15000, [] {
            if (Alert::visibleAlert())
                Alert::visibleAlert()->dismiss();
        });
    });
    handOver.start(50);
    window->webView()->load(QUrl(WebTestServer::shared().url(QStringLiteral("shop.test"), QStringLiteral("/alert"))));
    ASSERT_TRUE(test::processEventsUntil([&] { return !handOver.isActive(); }, 20000));
    const auto windows = [&] {
        int count = 0;
        for (Screen* screen : stack->screens())
            count += qobject_cast<KVWKViewController*>(screen) != nullptr;
        return count;
    };
    const auto replaced = [&] {
        auto* top = qobject_cast<KVWKViewController*>(stack->topScreen());
        return top && top != window && windows() == 1 && !Alert::visibleAlert();
    };
    // The dialog's close and the window's leaving pass through the engine: real time, given
    // generously for a loaded machine, while the kiosk's own delays run on the mock clock.
    for (int i = 0; i < 200 && !replaced(); ++i) {
        clock.advance(std::chrono::milliseconds(250));
        test::processEventsUntil([&] { return replaced(); }, 50);
    }
    // What must never be left: windows piled up, or a dialog over the window shown. Whether the
    // new window is already on top after that wait depends on the engine's pace on a loaded machine.
    EXPECT_LE(windows(), 1);
    EXPECT_EQ(Alert::visibleAlert(), nullptr);

    // With tabs, handed over while Korvel starts, before the tabs exist: the first tab opens it.
    shell.reset();
    ok({"pref", "set", "UseMultiTab", "true"});
    restart();
    KVLogger::createDatabase_Tables();
    shell = std::make_unique<KorvelShell>();
    shell->delegate().openURL(QStringLiteral("korvel://https//shop.example.co.uk/b"));
    shell->show();
    stack = shell->window().navigationStack();
    BrowserTabsController* tabs = nullptr;
    const auto opened = [&]() -> KVWKViewController* {
        tabs = qobject_cast<BrowserTabsController*>(stack->topScreen());
        for (int i = 0; tabs && i < tabs->tabCount(); ++i) {
            if (test::windowOf(tabs, i) && test::windowOf(tabs, i)->selectedWebsite())
                return test::windowOf(tabs, i);
        }
        return nullptr;
    };
    ASSERT_TRUE(test::processEventsUntil([&] { return opened() != nullptr; }))
        << (tabs ? tabs->tabCount() : -1) << " tabs; " << qPrintable(stack->topScreen()->metaObject()->className());
    EXPECT_EQ(opened()->selectedWebsite()->url, QStringLiteral("https://www.example.co.uk"));
}

// What one visitor leaves in the engine: a cookie, local storage and an IndexedDB record. With
// private browsing none of it reaches the next visitor or the disk; without, the site keeps it.
TEST_F(KioskJourneyTest, PrivateBrowsingLeavesNothingOfAVisitForTheNext)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Visit</title></head><body>visit</body></html>"));
    const QByteArray marker = QByteArrayLiteral("visitor-7f3a9c");
    const QString write = QStringLiteral(
        "document.cookie = 'visit=%1; max-age=3600';"
        "localStorage.setItem('visit', '%1');"
        "var open = indexedDB.open('kiosk', 1);"
        "open.onupgradeneeded = function() { open.result.createObjectStore('s'); };"
        "open.onsuccess = function() { var t = open.result.transaction('s', 'readwrite');"
        "  t.objectStore('s').put('%1', 'visit'); t.oncomplete = function() { window.written = true; }; };"
        "true").arg(QString::fromLatin1(marker));
    const QString read = QStringLiteral(
        "window.kept = null;"
        "var open = indexedDB.open('kiosk', 1);"
        "open.onupgradeneeded = function() { open.result.createObjectStore('s'); };"
        "open.onsuccess = function() { var r = open.result.transaction('s').objectStore('s').get('visit');"
        "  r.onsuccess = function() { window.kept = [document.cookie, localStorage.getItem('visit') || '', r.result || ''].join('|'); }; };"
        "true");

    for (const bool privateBrowsing : {true, false}) {
        SCOPED_TRACE(privateBrowsing ? "private browsing" : "ordinary browsing");
        restart();
        KVSettings& settings = KVSettings::getSettingsObject();
        allowOnly(server.url(privateBrowsing ? QStringLiteral("private.test") : QStringLiteral("ordinary.test")));
        settings.kvBrowPref.privateBrowsing = privateBrowsing;
        settings.save();
        NavigationStack* stack = start();

        KVWKViewController* window = openTheWebsite(stack);
        ASSERT_NE(window, nullptr);
        evaluate(window->webView(), write);
        ASSERT_TRUE(test::processEventsUntil([&] { return evaluate(window->webView(), QStringLiteral("window.written === true")).toBool(); }));
        window->homeButtonPressed();

        window = openTheWebsite(stack);
        ASSERT_NE(window, nullptr);
        evaluate(window->webView(), read);
        QString kept;
        ASSERT_TRUE(test::processEventsUntil([&] { return !(kept = evaluate(window->webView(), QStringLiteral("window.kept")).toString()).isEmpty(); }));
        if (privateBrowsing) {
            EXPECT_EQ(kept, QStringLiteral("||"));
            EXPECT_FALSE(anyFileHolds(home(), marker)) << "nothing of the visit is on disk";
            EXPECT_TRUE(loggedEvents(QStringLiteral("Webview")).contains(QStringLiteral("Cookies for private.test deleted successfully")));
        } else {
            EXPECT_EQ(kept, QStringLiteral("visit=%1|%1|%1").arg(QString::fromLatin1(marker)));
        }
        window->homeButtonPressed();
        test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; });
    }
}

// While the administrator is in the settings the page under them is quiet: it is blanked, and
// what would send the window Home (a network change, a blocked word) waits instead of closing the
// settings. Leaving the foreground blanks the page too.
TEST_F(KioskJourneyTest, TheSettingsAndTheBackgroundQuietTheBrowser)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Visit</title></head><body>visit</body></html>"));
    KVSettings& settings = KVSettings::getSettingsObject();
    allowOnly(server.url(QStringLiteral("quiet.test")));
    settings.kvBrowPref.goHomeOnNetworkGain = true;
    settings.save();
    NavigationStack* stack = start();
    KVWKViewController* window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(enterTheSettings(stack, [&] { window->handleSingleTap(); }));
    EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->url() == QUrl(QStringLiteral("about:blank")); }))
        << "the page under the settings stops";

    NotificationCenter::defaultCenter().post(kReachabilityChangedNotification, shell->delegate().reachability.get());
    window->homeButtonPressed();
    test::processEventsUntil([] { return false; }, 300);
    EXPECT_NE(qobject_cast<KVMainMenuViewController*>(stack->topScreen()), nullptr) << "the settings stay open";

    static_cast<KVMainMenuViewController*>(stack->topScreen())->handleBack();
    window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationHidden);
    EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->url() == QUrl(QStringLiteral("about:blank")); }))
        << "a hidden kiosk is in the background";
    Q_EMIT qApp->applicationStateChanged(Qt::ApplicationActive);
}

// A document from the device management makes the screen on top again; a window whose website the
// document dropped goes back to the start rather than stay on a refused, blank page.
TEST_F(KioskJourneyTest, ADocumentThatDropsTheShownWebsiteBringsTheKioskBackToItsStart)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Visit</title></head><body>visit</body></html>"));
    KVSettings& settings = KVSettings::getSettingsObject();
    allowOnly(server.url(QStringLiteral("kept.test")));
    settings.save();
    NavigationStack* stack = start();
    KVWKViewController* window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);

    // The same website under a new title: the window stays and loads it again.
    settings.allowedWebsites.first().title = QStringLiteral("Renamed");
    shell->delegate().rebuildVisibleScreen();
    EXPECT_EQ(stack->topScreen(), window);
    EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->title() == QLatin1String("Visit"); }, 20000));

    allowOnly(server.url(QStringLiteral("other.test")));
    shell->delegate().rebuildVisibleScreen();
    EXPECT_TRUE(test::processEventsUntil([&] { return qobject_cast<KVHomePageViewController*>(stack->topScreen()) != nullptr; }))
        << "the home screen, with the new list";
}

// Larger text and high contrast reach the page on screen at once (its zoom), and the screens
// (the application's font and colours); the next page opens zoomed as well.
TEST_F(KioskJourneyTest, LargerTextAndHighContrastReachPagesAndScreens)
{
    WebTestServer& server = WebTestServer::shared();
    server.setPage(QStringLiteral("/"), QByteArrayLiteral("<html><head><title>Visit</title></head><body>visit</body></html>"));
    KVSettings& settings = KVSettings::getSettingsObject();
    allowOnly(server.url(QStringLiteral("look.test")));
    settings.save();
    NavigationStack* stack = start();
    KVWKViewController* window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);
    EXPECT_DOUBLE_EQ(window->webView()->zoomFactor(), 1.0);
    const QColor ordinaryLabel = Theme::current().label;

    settings.kvBrowPref.largerText = 2;
    settings.kvBrowPref.highContrast = true;
    settings.save();
    EXPECT_TRUE(test::processEventsUntil([&] { return qFuzzyCompare(window->webView()->zoomFactor(), 1.5); }));
    EXPECT_DOUBLE_EQ(QApplication::font().pointSizeF(), Theme::bodyPointSize * 1.5);
    EXPECT_NE(Theme::current().label, ordinaryLabel);
    EXPECT_EQ(stack->topScreen(), window) << "the page stays with its visitor";
    QWidget* bar = shell->window().statusBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->maximumHeight(), 30) << "the window's status bar grows too";
    EXPECT_TRUE(bar->styleSheet().contains(Theme::current().label.name())) << "and takes the new colours";

    window->homeButtonPressed();
    // Back home the screens are made anew in the new look.
    test::processEventsUntil([] { return false; }, 500);
    window = openTheWebsite(stack);
    ASSERT_NE(window, nullptr);
    EXPECT_DOUBLE_EQ(window->webView()->zoomFactor(), 1.5);

    settings.kvBrowPref.largerText = 0;
    settings.kvBrowPref.highContrast = false;
    settings.save();
    EXPECT_TRUE(test::processEventsUntil([] { return QApplication::font().pointSizeF() == Theme::bodyPointSize; }));
    EXPECT_EQ(Theme::current().label, ordinaryLabel);
    EXPECT_EQ(shell->window().statusBar()->maximumHeight(), 20);
}
