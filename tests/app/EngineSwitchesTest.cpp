// The engine's hardening switches as a page meets them in a real Korvel (offscreen): the switches
// go on the engine's command line at start, so only a kiosk of its own shows what they do.
#include "tests/support/KioskProcess.h"
#include "tests/support/ScopedHttpServer.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkInterface>

#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

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

}  // namespace

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
