#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/PageLoadRules.h"
#include "browser/ui/UserAgentInterceptor.h"
#include "policy/LoadLearning.h"
#include "tests/browser/ui/WebWindowTest.h"
#include "tests/support/ScopedHttpServer.h"

#include <QTcpServer>
#include <QTcpSocket>

#include <mutex>

using namespace korvel;

namespace {

// Another host's server: every request it sees is recorded as "host path".
class Elsewhere {
public:
    Elsewhere()
    {
        const auto record = [this](const httplib::Request& request, httplib::Response& response) {
            {
                std::lock_guard lock(m_mutex);
                m_hits << QString::fromStdString(request.get_header_value("Host")).section(QLatin1Char(':'), 0, 0)
                              + QLatin1Char(' ') + QString::fromStdString(request.path);
            }
            response.set_header("Access-Control-Allow-Origin", "*");
            const std::string& path = request.path;
            if (path == "/to-keyword") {
                response.status = 302;
                response.set_header("Location", "http://free.test:" + std::to_string(m_server.port()) + "/casino/img");
            } else if (path == "/redirect") {
                response.status = 302;
                response.set_header("Location", "http://evil.test:" + std::to_string(m_server.port()) + "/redirected");
            } else if (path == "/script") {
                response.set_content("window.scriptRan = true;", "text/javascript");
            } else if (path == "/style") {
                response.set_content("body { color: rgb(1, 2, 3); }", "text/css");
            } else if (path == "/img") {
                // A 1x1 GIF, so the image loads.
                static const char gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                                          "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
                response.set_content(std::string(gif, sizeof(gif) - 1), "image/gif");
            } else {
                response.set_content("ok", "text/plain");
            }
        };
        // The engine keeps up to six connections per host open: enough threads for three hosts.
        m_server.http().new_task_queue = [] { return new httplib::ThreadPool(32); };
        m_server.http().Get(".*", record);
        m_server.http().Post(".*", record);
        EXPECT_TRUE(m_server.start());
    }

    QString base(const char* host) const { return QStringLiteral("http://%1:%2").arg(QLatin1String(host)).arg(m_server.port()); }
    QStringList hits() const
    {
        std::lock_guard lock(m_mutex);
        return m_hits;
    }
    QStringList hitsOf(const char* host) const { return hits().filter(QRegularExpression(QStringLiteral("^%1 ").arg(QLatin1String(host)))); }

private:
    mutable std::mutex m_mutex;
    QStringList m_hits;
    test::ScopedHttpServer m_server;
};

// Every kind of request a page can make to `base`, each marked in window.results when it is done.
QByteArray batchFor(const QString& base, const QString& tag)
{
    return QStringLiteral(
        "<img src='%1/img'>"
        "<link rel='stylesheet' href='%1/style'>"
        "<script src='%1/script'></script>"
        "<iframe src='%1/frame'></iframe>"
        "<script>"
        "fetch('%1/fetch').then(r => r.text()).then(t => results['%2 fetch'] = t, () => results['%2 fetch'] = 'refused');"
        "(function() { var x = new XMLHttpRequest(); x.open('GET', '%1/xhr');"
        "  x.onload = () => results['%2 xhr'] = x.responseText; x.onerror = () => results['%2 xhr'] = 'refused'; x.send(); })();"
        "try { new WebSocket('%3/ws'); } catch (e) {}"
        "navigator.sendBeacon('%1/beacon', 'x');"
        "</script>")
        .arg(base, tag, QString(base).replace(QStringLiteral("http:"), QStringLiteral("ws:")))
        .toUtf8();
}

// What an attacker tries beyond the common kinds.
QByteArray redTeamFor(const QString& base, const QString& allowedBase)
{
    return QStringLiteral(
        "<style>@font-face { font-family: f; src: url('%1/font'); } p { font-family: f; }"
        " div { background: url('%1/css-image'); }</style>"
        "<p>text</p><div>box</div>"
        "<link rel='prefetch' href='%1/prefetch'><link rel='preload' as='script' href='%1/preload'>"
        "<link rel='dns-prefetch' href='%1'><link rel='preconnect' href='%1'>"
        "<img src='%2/redirect'>"
        "<script>try { navigator.serviceWorker.register('%1/sw.js'); } catch (e) {}"
        "try { new Worker('%1/worker.js'); } catch (e) {}</script>")
        .arg(base, allowedBase)
        .toUtf8();
}

// A frame is a document: it loads from an allowed website or a host also allowed for loading,
// which the tests check apart.
const QStringList batchPaths = {QStringLiteral("/img"), QStringLiteral("/style"), QStringLiteral("/script"),
                                QStringLiteral("/fetch"), QStringLiteral("/xhr"), QStringLiteral("/ws"), QStringLiteral("/beacon")};

class PageLoadsTest : public test::WebWindowTest {
protected:
    // Opens `html` at allowed.test and waits until its requests had their time.
    KVWKViewController* openPage(const QByteArray& html, const std::function<bool(KVWKViewController*)>& done)
    {
        server().setPage(QStringLiteral("/page"), QByteArrayLiteral("<html><head><title>P</title><script>var results = {};</script></head><body>") + html
                                                      + QByteArrayLiteral("</body></html>"));
        KVWKViewController* window = open(url("allowed.test", "/page"));
        EXPECT_TRUE(test::processEventsUntil([&] { return done(window); }, 15000));
        wait(500);  // what would still arrive, arrives
        return window;
    }

    static QString result(KVWKViewController* window, const QString& key)
    {
        return evaluate(window, QStringLiteral("results['%1'] || ''").arg(key)).toString();
    }

    static int refused(KVWKViewController* window)
    {
        return KorvelWebEngine::interceptor()->loadGuard().refusedCount(window->webView()->url());
    }

    void store(const std::function<void(KVSettings&)>& change)
    {
        KVSettings& s = settings();
        s.allowedWebsites = {site(url("allowed.test")), site(url("plain.test"))};
        change(s);
        ASSERT_TRUE(s.save());
    }

    Elsewhere elsewhere;
};

TEST_F(PageLoadsTest, StrictModeRefusesEveryKindToAnUnlistedHostAndLoadsListedOnes)
{
    store([](KVSettings& s) {
        s.kvBrowPref.strictSubresources = true;
        s.kvBrowPref.alsoAllowedForLoading = QStringLiteral("cdn.test");
    });
    KVWKViewController* window = openPage(batchFor(elsewhere.base("evil.test"), QStringLiteral("evil")) + batchFor(elsewhere.base("plain.test"), QStringLiteral("plain"))
                                              + batchFor(elsewhere.base("cdn.test"), QStringLiteral("cdn")),
                                          [](KVWKViewController* w) {
                                              for (const char* key : {"evil fetch", "evil xhr", "plain fetch", "plain xhr", "cdn fetch", "cdn xhr"})
                                                  if (result(w, QString::fromLatin1(key)).isEmpty())
                                                      return false;
                                              return true;
                                          });
    EXPECT_EQ(elsewhere.hitsOf("evil.test"), QStringList()) << "an unlisted host is never reached";
    for (const char* host : {"plain.test", "cdn.test"}) {
        for (const QString& path : batchPaths)
            EXPECT_TRUE(test::processEventsUntil([&] { return elsewhere.hitsOf(host).contains(QString::fromLatin1(host) + QLatin1Char(' ') + path); }, 10000))
                << host << " " << qPrintable(path);
    }
    EXPECT_TRUE(elsewhere.hitsOf("plain.test").contains(QStringLiteral("plain.test /frame"))) << "an allowed website's frame";
    EXPECT_TRUE(elsewhere.hitsOf("cdn.test").contains(QStringLiteral("cdn.test /frame"))) << "a frame from a host also allowed for loading";
    EXPECT_EQ(result(window, QStringLiteral("evil fetch")), QStringLiteral("refused"));
    EXPECT_EQ(result(window, QStringLiteral("evil xhr")), QStringLiteral("refused"));
    EXPECT_EQ(result(window, QStringLiteral("cdn fetch")), QStringLiteral("ok")) << "the body of an allowed CORS fetch is read";
    EXPECT_EQ(result(window, QStringLiteral("plain xhr")), QStringLiteral("ok"));
    EXPECT_TRUE(evaluate(window, QStringLiteral("window.scriptRan === true")).toBool());
    EXPECT_GE(refused(window), 7) << "counted for the page";
    EXPECT_EQ(log(QStringLiteral("URL_action")).filter(QStringLiteral("Load_Blocked<evil.test>")).size(), 1) << "logged once per host per visit";
    closeWindows();

    // The attacker's other ways out reach nothing either, not even a connection without a request.
    QTcpServer listener;
    ASSERT_TRUE(listener.listen(QHostAddress::LocalHost));
    int connections = 0;
    QObject::connect(&listener, &QTcpServer::newConnection, [&] {
        while (QTcpSocket* socket = listener.nextPendingConnection()) {
            ++connections;
            socket->deleteLater();
        }
    });
    const QString silent = QStringLiteral("http://evil.test:%1").arg(listener.serverPort());
    openPage(redTeamFor(elsewhere.base("evil.test"), elsewhere.base("plain.test"))
                 + QStringLiteral("<link rel='preconnect' href='%1'><link rel='dns-prefetch' href='%1'>").arg(silent).toUtf8(),
             [&](KVWKViewController*) { return elsewhere.hitsOf("plain.test").contains(QStringLiteral("plain.test /redirect")); });
    wait(1500);
    EXPECT_EQ(elsewhere.hitsOf("evil.test"), QStringList()) << "fonts, CSS images, prefetch, preload, workers, a redirect";
    EXPECT_EQ(connections, 0) << "a preconnect opened a connection to an unlisted host";
}

TEST_F(PageLoadsTest, AnAllowedPagesServiceWorkerReachesNoUnlistedHostInStrictMode)
{
    // Service workers need a secure origin: the page is served from 127.0.0.1.
    store([&](KVSettings& s) {
        s.allowedWebsites.append(site(url("127.0.0.1")));
        s.kvBrowPref.strictSubresources = true;
        s.kvBrowPref.alsoAllowedForLoading = QStringLiteral("cdn.test");
    });
    test::WebTestServer::Page worker;
    worker.mimeType = "text/javascript";
    worker.body = QStringLiteral(
        "self.addEventListener('install', e => { self.skipWaiting();"
        "  e.waitUntil(Promise.all([fetch('%1/sw-install').catch(() => 0), fetch('%2/sw-install').catch(() => 0)])); });"
        "self.addEventListener('activate', e => e.waitUntil(clients.claim()));"
        "self.addEventListener('fetch', e => { if (e.request.url.endsWith('/through-worker'))"
        "  e.respondWith(fetch('%1/sw-fetch').then(r => r.text(), () => 'refused').then(t => new Response(t))); });")
                      .arg(elsewhere.base("evil.test"), elsewhere.base("cdn.test"))
                      .toUtf8();
    server().setPage(QStringLiteral("/sw.js"), worker);
    server().setPage(QStringLiteral("/sw-page"),
                     QByteArrayLiteral("<html><body><script>var results = {};"
                                       "navigator.serviceWorker.register('/sw.js').then(() => navigator.serviceWorker.ready)"
                                       ".then(() => navigator.serviceWorker.controller ? 0 : new Promise(r => navigator.serviceWorker.oncontrollerchange = r))"
                                       ".then(() => fetch('/through-worker')).then(r => r.text())"
                                       ".then(t => results.worker = t, e => results.worker = 'failed ' + e);"
                                       "</script></body></html>"));
    KVWKViewController* window = open(url("127.0.0.1", "/sw-page"));
    ASSERT_TRUE(test::processEventsUntil([&] { return !result(window, QStringLiteral("worker")).isEmpty(); }, 20000));
    EXPECT_EQ(result(window, QStringLiteral("worker")), QStringLiteral("refused")) << "answered by the worker, whose fetch was refused";
    EXPECT_TRUE(test::processEventsUntil([&] { return elsewhere.hitsOf("cdn.test").contains(QStringLiteral("cdn.test /sw-install")); }, 5000))
        << "the worker reaches a host also allowed for loading";
    EXPECT_EQ(elsewhere.hitsOf("evil.test"), QStringList()) << "neither on install nor for the page";
}

TEST_F(PageLoadsTest, WithStrictModeOffBlockedHostsAndKeywordsStillRefuse)
{
    store([](KVSettings& s) {
        s.blockedWebsites = {blockedWebsite::initWithParams(QStringLiteral("http://tracker.test"), WebsiteProtocol::Http, QStringLiteral("b"))};
        s.kvBrowPref.allowContentBlocking = true;
        s.kvBrowPref.strBlockedKeyWord = QStringLiteral("casino");
    });
    // The keyword is never in the page itself, whose content the window filters too.
    const QByteArray keyword = QStringLiteral("<img src='%1/to-keyword'><script>fetch('%1/cas' + 'ino/fetch')"
                                              ".then(r => r.text()).then(t => results['kw fetch'] = t, () => results['kw fetch'] = 'refused');</script>")
                                   .arg(elsewhere.base("free.test"))
                                   .toUtf8();
    KVWKViewController* window = openPage(batchFor(elsewhere.base("tracker.test"), QStringLiteral("tracker")) + keyword
                                              + batchFor(elsewhere.base("free.test"), QStringLiteral("free")),
                                          [](KVWKViewController* w) {
                                              for (const char* key : {"tracker fetch", "kw fetch", "free fetch", "free xhr"})
                                                  if (result(w, QString::fromLatin1(key)).isEmpty())
                                                      return false;
                                              return true;
                                          });
    EXPECT_EQ(elsewhere.hitsOf("tracker.test"), QStringList());
    EXPECT_TRUE(elsewhere.hitsOf("free.test").contains(QStringLiteral("free.test /to-keyword")));
    EXPECT_EQ(elsewhere.hits().filter(QStringLiteral("casino")), QStringList()) << "neither the fetch nor the redirect's target";
    EXPECT_EQ(result(window, QStringLiteral("kw fetch")), QStringLiteral("refused"));
    for (const QString& path : batchPaths)
        EXPECT_TRUE(test::processEventsUntil([&] { return elsewhere.hitsOf("free.test").contains(QStringLiteral("free.test ") + path); }, 10000))
            << qPrintable(path) << ": strict mode is off";
    EXPECT_EQ(result(window, QStringLiteral("free fetch")), QStringLiteral("ok"));
}

TEST_F(PageLoadsTest, LearnModeRecordsAPagesHostsAndApplyingThemLoadsThePageInStrictMode)
{
    store([](KVSettings& s) { s.kvBrowPref.learnSubresources = true; });
    const QByteArray page = batchFor(elsewhere.base("cdn.test"), QStringLiteral("cdn"));
    const auto fetched = [](KVWKViewController* w) { return !result(w, QStringLiteral("cdn fetch")).isEmpty(); };
    openPage(page, fetched);
    EXPECT_TRUE(test::processEventsUntil([&] { return elsewhere.hitsOf("cdn.test").contains(QStringLiteral("cdn.test /ws")); }, 10000));
    closeWindows();
    store([](KVSettings& s) { s.kvBrowPref.learnSubresources = false; });

    QString error;
    const std::optional<LearnedLoads> learned = LoadLearning::read(LoadLearning::defaultPath(), &error);
    ASSERT_TRUE(learned) << qPrintable(error);
    const QString website = QUrl(url("allowed.test")).host();
    ASSERT_TRUE(learned->contains(website));
    const QMap<QString, qint64> types = learned->value(website).loads.value(QStringLiteral("cdn.test"));
    for (const char* type : {"image", "stylesheet", "script", "frame", "fetch", "websocket", "beacon"})
        EXPECT_GE(types.value(QString::fromLatin1(type)), 1) << type;
    const QStringList refusedNavigations = learned->value(website).refusedNavigations.keys();
    EXPECT_TRUE(refusedNavigations.contains(elsewhere.base("cdn.test") + QStringLiteral("/frame"))) << qPrintable(refusedNavigations.join(QLatin1Char(' ')));

    const QList<LearnedAddition> additions = LoadLearning::additions(settings(), *learned);
    ASSERT_EQ(additions.size(), 1);
    EXPECT_EQ(additions.first().host, QStringLiteral("cdn.test"));
    store([&](KVSettings& s) {
        LoadLearning::apply(s, additions);
        s.kvBrowPref.strictSubresources = true;
    });
    KVWKViewController* window = openPage(page, fetched);
    EXPECT_EQ(result(window, QStringLiteral("cdn fetch")), QStringLiteral("ok"));
    EXPECT_EQ(refused(window), 0) << "the whole page loads in strict mode";
    EXPECT_TRUE(test::processEventsUntil([&] { return elsewhere.hitsOf("cdn.test").contains(QStringLiteral("cdn.test /frame")); }, 10000))
        << "the frame, refused while learning, is let in";
}

}  // namespace
