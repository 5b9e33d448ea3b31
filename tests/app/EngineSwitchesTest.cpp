// The engine's hardening switches as a page meets them in a real Korvel (offscreen): the switches
// go on the engine's command line at start, so only a kiosk of its own shows what they do.
#include "tests/support/KioskProcess.h"
#include "tests/support/ScopedHttpServer.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>
#include <QScopeGuard>

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace {

using korvel::test::KioskProcess;

// Gathers the page's WebRTC candidates for three seconds and reports them to /report.
const char* const rtcPage = R"(<html><body><script>
const seen = [];
const pc = new RTCPeerConnection({iceServers: []});
pc.createDataChannel('probe');
pc.onicecandidate = e => { if (e.candidate && e.candidate.candidate) seen.push(e.candidate.candidate); };
pc.createOffer().then(o => pc.setLocalDescription(o));
setTimeout(() => fetch('/report', {method: 'POST', body: JSON.stringify(seen)}), 3000);
</script></body></html>)";

// The candidates a kiosk's start page gathered, or nothing when it never reported.
std::optional<QStringList> candidatesGathered(bool limitWebRTC)
{
    std::mutex mutex;
    std::optional<QStringList> reported;
    KioskProcess kiosk;
    korvel::test::ScopedHttpServer server;
    server.http().Get("/rtc", [](const httplib::Request&, httplib::Response& r) { r.set_content(rtcPage, "text/html"); });
    server.http().Post("/report", [&](const httplib::Request& request, httplib::Response& r) {
        QStringList candidates;
        for (const QJsonValue& c : QJsonDocument::fromJson(QByteArray::fromStdString(request.body)).array())
            candidates << c.toString();
        const std::lock_guard lock(mutex);
        reported = candidates;
        r.set_content("ok", "text/plain");
    });
    EXPECT_TRUE(server.start());
    kiosk.ctl({QStringLiteral("sites"), QStringLiteral("add"), server.url(QStringLiteral("/rtc")), QStringLiteral("--title"), QStringLiteral("RTC"),
               QStringLiteral("--startup")});
    kiosk.ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("LimitWebRTC"), limitWebRTC ? QStringLiteral("true") : QStringLiteral("false")});
    EXPECT_TRUE(kiosk.start());
    KioskProcess::waitFor([&] {
        const std::lock_guard lock(mutex);
        return reported.has_value();
    }, 40000);
    const std::lock_guard lock(mutex);
    return reported;
}

// A private authority and one certificate of its for first.test and third.test, made with the
// openssl command; `spki` is the base64 SHA-256 of the certificate's public key, which the test's
// engine is told to accept. Empty paths when openssl failed.
struct TestCertificate {
    QTemporaryDir dir;
    QString certificate;
    QString key;
    QString spki;

    TestCertificate()
    {
        const auto run = [this](const QString& command) {
            QProcess p;
            p.setWorkingDirectory(dir.path());
            p.start(QStringLiteral("sh"), {QStringLiteral("-c"), command});
            const bool ok = p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
            EXPECT_TRUE(ok) << qPrintable(command) << p.readAllStandardError().constData();
            return ok ? QString::fromUtf8(p.readAllStandardOutput()).trimmed() : QString();
        };
        const QString ec = QStringLiteral("-newkey ec -pkeyopt ec_paramgen_curve:P-256 -nodes");
        run(QStringLiteral("openssl req -x509 %1 -days 2 -subj '/CN=Test authority' -keyout ca.key -out ca.crt").arg(ec));
        run(QStringLiteral("openssl req %1 -subj /CN=first.test -keyout site.key -out site.csr").arg(ec));
        run(QStringLiteral("printf 'subjectAltName=DNS:first.test,DNS:third.test\\n' > ext.cnf && openssl x509 -req -in site.csr -CA ca.crt "
                           "-CAkey ca.key -CAcreateserial -days 2 -extfile ext.cnf -out site.crt"));
        spki = run(QStringLiteral("openssl x509 -in site.crt -pubkey -noout | openssl pkey -pubin -outform der | openssl dgst -sha256 -binary "
                                  "| openssl base64 -A"));
        if (!spki.isEmpty() && QFile::exists(dir.filePath(QStringLiteral("site.crt")))) {
            certificate = dir.filePath(QStringLiteral("site.crt"));
            key = dir.filePath(QStringLiteral("site.key"));
        }
    }
};

// What came back to each site after a page of first.test had third.test set a cookie in its own
// answer: the Cookie headers third.test and first.test received on the second asking.
struct CookiesSentBack {
    std::string third;
    std::string first;
};

// A kiosk's start page on https://first.test embeds a resource of third.test whose answer sets a
// cookie, asks third.test again, then asks its own site, whose page answer had set a cookie too.
// Every cookie is "SameSite=None; Secure", so only the kiosk's filter can keep one out. Nothing
// when the page never finished.
std::optional<CookiesSentBack> cookiesSentBack(const TestCertificate& tls, bool blockThirdParty)
{
    std::mutex mutex;
    std::optional<std::string> third;
    std::optional<std::string> first;
    KioskProcess kiosk;
    httplib::SSLServer server(tls.certificate.toUtf8().constData(), tls.key.toUtf8().constData());
    EXPECT_TRUE(server.is_valid());
    const int port = server.bind_to_any_port("127.0.0.1");
    EXPECT_GT(port, 0);
    const std::string thirdSite = "https://third.test:" + std::to_string(port);
    const auto cookieHeader = [](const httplib::Request& request) { return request.get_header_value("Cookie"); };
    server.Get("/page", [&](const httplib::Request&, httplib::Response& r) {
        r.set_header("Set-Cookie", "own=1; SameSite=None; Secure; Path=/");
        r.set_content("<html><body><script>\n"
                      "const load = src => new Promise(done => { const i = new Image(); i.onload = i.onerror = done; i.src = src; });\n"
                      "load('" + thirdSite + "/set').then(() => load('" + thirdSite + "/check')).then(() => fetch('/own'));\n"
                      "</script></body></html>",
                      "text/html");
    });
    server.Get("/set", [](const httplib::Request&, httplib::Response& r) {
        r.set_header("Set-Cookie", "tracker=1; SameSite=None; Secure; Path=/");
        r.set_content("", "image/gif");
    });
    server.Get("/check", [&](const httplib::Request& request, httplib::Response& r) {
        const std::lock_guard lock(mutex);
        third = cookieHeader(request);
        r.set_content("", "image/gif");
    });
    server.Get("/own", [&](const httplib::Request& request, httplib::Response& r) {
        const std::lock_guard lock(mutex);
        first = cookieHeader(request);
        r.set_content("ok", "text/plain");
    });
    std::thread serving([&] { server.listen_after_bind(); });
    const auto stopServing = qScopeGuard([&] {
        server.stop();
        serving.join();
    });

    kiosk.environment.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"),
                             QStringLiteral("--disable-gpu --host-resolver-rules=\"MAP *.test 127.0.0.1, EXCLUDE 127.0.0.1\" "
                                            "--ignore-certificate-errors-spki-list=")
                                 + tls.spki);
    kiosk.ctl({QStringLiteral("sites"), QStringLiteral("add"), QStringLiteral("https://first.test:%1/page").arg(port), QStringLiteral("--title"),
               QStringLiteral("First"), QStringLiteral("--startup")});
    kiosk.ctl({QStringLiteral("pref"), QStringLiteral("set"), QStringLiteral("BlockThirdPartyCookies"),
               blockThirdParty ? QStringLiteral("true") : QStringLiteral("false")});
    EXPECT_TRUE(kiosk.start());
    KioskProcess::waitFor([&] {
        const std::lock_guard lock(mutex);
        return first.has_value();
    }, 40000);
    const std::lock_guard lock(mutex);
    if (!third || !first)
        return std::nullopt;
    return CookiesSentBack{*third, *first};
}

}  // namespace

TEST(EngineSwitches, WithThirdPartyCookiesBlockedAnEmbeddedSiteGetsNoCookieBackButThePageKeepsItsOwn)
{
    const TestCertificate tls;
    ASSERT_FALSE(tls.certificate.isEmpty()) << "no certificate could be made";
    // Switched off, the embedded site does get its cookie back: the cookies themselves would pass.
    const std::optional<CookiesSentBack> open = cookiesSentBack(tls, false);
    ASSERT_TRUE(open.has_value()) << "the page never finished";
    EXPECT_EQ(open->third, "tracker=1");
    EXPECT_EQ(open->first, "own=1");
    const std::optional<CookiesSentBack> blocked = cookiesSentBack(tls, true);
    ASSERT_TRUE(blocked.has_value()) << "the page never finished";
    EXPECT_EQ(blocked->third, "") << "a cookie of another site than the page's own came back";
    EXPECT_EQ(blocked->first, "own=1") << "the page's own cookie must still work";
}

TEST(EngineSwitches, WithWebRTCLimitedAPageGathersNoCandidateThatNamesTheDevice)
{
    const QList<QHostAddress> addresses = QNetworkInterface::allAddresses();
    if (std::none_of(addresses.begin(), addresses.end(), [](const QHostAddress& a) { return !a.isLoopback(); }))
        GTEST_SKIP() << "this machine has no address but loopback, so there is nothing a page could learn";
    // Without the limit the same page gathers the device's own candidates, so the page does find
    // them where they exist.
    const std::optional<QStringList> open = candidatesGathered(false);
    ASSERT_TRUE(open.has_value()) << "the page never reported";
    EXPECT_FALSE(open->isEmpty()) << "without the limit a host candidate is expected";
    const std::optional<QStringList> limited = candidatesGathered(true);
    ASSERT_TRUE(limited.has_value()) << "the page never reported";
    EXPECT_EQ(*limited, QStringList()) << "with the limit and no proxy, no candidate at all";
}
