#include "browser/ui/BrowserToolbar.h"
#include "platform/ui/Alert.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <QElapsedTimer>
#include <QToolButton>

#include <csignal>

using namespace korvel;

namespace {

class EscapeAttemptsTest : public test::WebWindowTest {
protected:
    // Every request the server saw for a host other than the allowed one, as "METHOD host path".
    static QStringList strayRequests()
    {
        QStringList stray;
        for (const auto& r : server().requests()) {
            if (r.host != QLatin1String("allowed.test"))
                stray << r.method + QLatin1Char(' ') + r.host + r.path;
        }
        return stray;
    }
};

}  // namespace

// From an allowed page, every way a page can try to reach another address: the window keeps the
// allowed page, no pop-up shows, and no other host is ever asked for anything.
TEST_F(EscapeAttemptsTest, NoWayOutOfAnAllowedPageReachesAnotherAddress)
{
    const struct {
        const char* name;
        const char* script;  // %1: the unlisted host's address, %2: the allowed host's
        // Whether the website rules see the attempt and refuse it (with a toast); where they do not, the
        // engine itself refuses it before any navigation is asked for.
        bool refusedByTheRules;
    } cases[] = {
        {"file: address", "location = 'file:///etc/passwd'", false},
        {"file: address as a website", "location = 'file:///etc/'", false},
        {"data: page", "location = 'data:text/html,<title>Out</title>out'", false},
        {"blob: page", "location = URL.createObjectURL(new Blob(['<title>Out</title>'], {type: 'text/html'}))", true},
        {"javascript: that navigates away", "location = \"javascript:location.replace('%1/out')\"", true},
        {"view-source:", "location = 'view-source:%1/'", false},
        {"chrome:", "location = 'chrome://settings'", false},
        {"devtools:", "location = 'devtools://devtools/bundled/inspector.html'", false},
        {"about:config", "location = 'about:config'", false},
        {"about:blank", "location = 'about:blank'", false},
        {"ftp:", "location = 'ftp://evil.test/file'", false},
        {"mailto:", "location = 'mailto:desk@evil.test'", true},
        {"tel:", "location = 'tel:+4912345'", true},
        {"sms:", "location = 'sms:+4912345'", true},
        {"an unlisted host", "location = '%1/out'", true},
        {"the allowed name as a subdomain", "location = 'http://allowed.test.evil.test:' + location.port + '/out'", true},
        {"the allowed name as user info", "location = 'http://allowed.test@evil.test:' + location.port + '/out'", true},
        {"the allowed name in the query", "location = '%1/out?allowed.test'", true},
        {"the allowed name in the path", "location = '%1/allowed.test/'", true},
        {"a homograph of the allowed name", "location = 'http://\\u0430llowed.test:' + location.port + '/out'", true},
        {"an HTTP redirect", "location = '%2/redirect'", true},
        {"a meta refresh", "location = '%2/refresh'", true},
        {"an iframe", "var f = document.createElement('iframe'); f.src = '%1/frame'; document.body.appendChild(f)", true},
        {"an allowed iframe sending the page away", "var f = document.createElement('iframe'); f.src = '%2/breakout'; document.body.appendChild(f)", true},
        {"a form post", "var f = document.createElement('form'); f.method = 'post'; f.action = '%1/post';"
                        " document.body.appendChild(f); f.submit()", true},
        {"a form into a new window", "var f = document.createElement('form'); f.method = 'post'; f.action = '%1/post'; f.target = '_blank';"
                                     " document.body.appendChild(f); f.submit()", true},
        {"window.open", "window.open('%1/out')", true},
        {"a target=_blank link", "var a = document.createElement('a'); a.href = '%1/out'; a.target = '_blank';"
                                 " document.body.appendChild(a); a.click()", true},
        {"a blank pop-up sent away", "var w = window.open('about:blank'); w.location = '%1/out'", true},
        {"an allowed pop-up sent away", "var w = window.open('%2/second'); setTimeout(function() { w.location = '%1/out'; }, 500)", true},
    };
    const QString evil = url("evil.test", "");
    const QString allowed = url("allowed.test", "");
    test::WebTestServer::Page redirect;
    redirect.status = 302;
    redirect.location = (evil + QStringLiteral("/out")).toUtf8();
    server().setPage(QStringLiteral("/redirect"), redirect);
    server().setPage(QStringLiteral("/refresh"), QStringLiteral("<html><head><meta http-equiv='refresh' content='0; url=%1/out'></head></html>").arg(evil).toUtf8());
    server().setPage(QStringLiteral("/breakout"), QStringLiteral("<html><body><script>top.location = '%1/out'</script></body></html>").arg(evil).toUtf8());
    for (const char* path : {"/out", "/frame", "/post", "/allowed.test/"})
        server().setPage(QString::fromLatin1(path), QByteArrayLiteral("<html><head><title>Out</title></head><body>out</body></html>"));
    // The most open set-up a page could exploit: pop-ups on, every refusal leaving the page in place.
    settings().kvBrowPref.allowPopup = true;
    settings().kvBrowPref.accessDenied = false;
    settings().allowedWebsites = {site(url("allowed.test"))};

    // One window for every case while it keeps its page, which is the expected outcome.
    KVWKViewController* window = nullptr;
    for (const auto& c : cases) {
        if (!window) {
            window = open(url("allowed.test"));
        }
        server().clearRequests();
        test::closeToasts();
        evaluate(window, QString::fromLatin1(c.script).replace(QLatin1String("%1"), evil).replace(QLatin1String("%2"), allowed) + QStringLiteral("; 0"));
        const auto refused = [] { return !test::toastTexts().filter(QStringLiteral("Korvel blocked URL:")).isEmpty(); };
        if (c.refusedByTheRules)
            EXPECT_TRUE(test::processEventsUntil(refused, 5000)) << c.name;
        wait(c.refusedByTheRules ? 300 : 700);
        EXPECT_EQ(refused(), c.refusedByTheRules) << c.name;
        EXPECT_EQ(strayRequests(), QStringList()) << c.name;
        // A page that only ever sends the window away (the refresh page) may stay, but it is the
        // allowed host's; about:blank, which the engine shows unasked, gives way to the page before.
        EXPECT_TRUE(test::processEventsUntil([&] { return window->webView()->url().host() == QLatin1String("allowed.test"); }, 5000))
            << c.name << ": " << qPrintable(window->webView()->url().toString());
        EXPECT_NE(window->webView()->title(), QStringLiteral("Out")) << c.name;
        const bool popup = window->popupView() != nullptr;
        if (popup) {
            EXPECT_EQ(window->popupView()->url().host(), QStringLiteral("allowed.test")) << c.name;
        }
        // A window that went to about: twice within seconds goes home rather than back: each about:
        // case gets a window of its own.
        if (popup || window->webView()->url() != QUrl(url("allowed.test")) || QByteArray(c.name).startsWith("about:")) {
            closeWindows();
            window = nullptr;
        }
    }
}

// A page that misbehaves cannot hold the visitor: while it loops dialogs or prints, floods
// pop-ups, spins or loses its renderer, a real touch on the toolbar's Home leaves it within
// seconds, and the next window loads as usual.
TEST_F(EscapeAttemptsTest, AHostilePageNeverKeepsHomeFromWorking)
{
    const struct {
        const char* name;
        const char* script;
        bool allowPopup = false;
        bool killRenderer = false;
    } cases[] = {
        {"an alert loop", "setTimeout(function() { for (;;) alert('again'); }, 0)"},
        {"a confirm loop", "setTimeout(function() { while (confirm('stay?')) {} for (;;) confirm('stay?'); }, 0)"},
        {"a print loop", "setInterval(function() { window.print(); }, 50)"},
        // A pop-up covers its dimmed window until closed: the visitor closes it first, once.
        {"a pop-up flood", "for (var i = 0; i < 200; ++i) window.open('/second')", true},
        {"a pop-up flood with pop-ups off", "for (var i = 0; i < 200; ++i) window.open('/second')"},
        {"a busy renderer", "setTimeout(function() { for (;;) {} }, 0)"},
        {"a killed renderer", "0", false, true},
    };
    settings().kvBrowPref.enablePrintLinks = true;
    constexpr int withinMs = 5000;
    for (const auto& c : cases) {
        settings().kvBrowPref.allowPopup = c.allowPopup;
        KVWKViewController* window = open(url("allowed.test"));
        window->webView()->page()->runJavaScript(QString::fromLatin1(c.script));
        if (c.killRenderer) {
            const qint64 pid = window->webView()->page()->renderProcessPid();
            ASSERT_GT(pid, 0);
            ASSERT_EQ(::kill(pid_t(pid), SIGKILL), 0);
        }
        // A page dialog covers the window until it is answered, as the visitor does here; it also
        // holds this test inside the engine's call, so the touch comes from a timer.
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [] {
            if (Alert* alert = Alert::visibleAlert())
                alert->dismissWithButton(0);
        });
        answer.start(50);
        QElapsedTimer sinceTouch;
        qint64 took = -1;
        const QMetaObject::Connection homeSeen =
            QObject::connect(window, &KVWKViewController::homeRequested, window, [&] { took = sinceTouch.elapsed(); });
        QTimer::singleShot(1000, window, [&] {
            // Looked up at the touch: the toolbar may have been laid out again meanwhile.
            QToolButton* homeButton = nullptr;
            for (QToolButton* b : window->toolbar()->findChildren<QToolButton*>()) {
                if (b->text() == QLatin1String("Home") && b->isVisible())
                    homeButton = b;
            }
            ASSERT_NE(homeButton, nullptr);
            sinceTouch.start();
            if (window->popupView())
                window->closeActiveWebView();
            clickAt(homeButton, homeButton->rect().center());
        });
        EXPECT_TRUE(test::processEventsUntil([&] { return took >= 0; }, 1000 + withinMs)) << c.name;
        EXPECT_LT(took, withinMs) << c.name;
        QObject::disconnect(homeSeen);
        closeWindows();
        // Nothing of it is left up, and the next visitor's window loads.
        EXPECT_TRUE(test::processEventsUntil([] { return Alert::visibleAlert() == nullptr; }, 2000)) << c.name;
        KVWKViewController* next = open(url("allowed.test", "/second"));
        EXPECT_EQ(next->webView()->title(), QStringLiteral("Second")) << c.name;
        closeWindows();
        clock.advance(std::chrono::seconds(16));
    }
}
