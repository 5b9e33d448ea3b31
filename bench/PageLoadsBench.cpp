// A page with 300 sub-resources (images, half from the page's own host, half from a host also
// allowed for loading) loaded through the kiosk's request interceptor with strict loading off and
// on, alternately, in one engine. Prints the medians and their ratio (on / off); target at most
// 1.03. Every resource is uncacheable and has a unique address, so each round fetches all of it.
//
// Run: QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 build/bin/bench_page_loads [rounds]
#include "browser/ui/UserAgentInterceptor.h"
#include "platform/Paths.h"
#include "settings/KVSettings.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <httplib.h>

#include <algorithm>
#include <cstdio>
#include <thread>
#include <vector>

namespace {

using namespace korvel;

constexpr int resources = 300;

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + " --host-resolver-rules=\"MAP *.test 127.0.0.1\"");
    QApplication application(argc, argv);
    const int rounds = argc >= 2 ? std::max(1, QByteArray(argv[1]).toInt()) : 9;
    QTemporaryDir home;
    Paths::setHome(home.path());

    httplib::Server server;
    int port = 0;
    server.Get("/page", [&](const httplib::Request& request, httplib::Response& response) {
        const std::string round = request.get_param_value("round");
        std::string html = "<html><body>";
        for (int i = 0; i < resources; ++i) {
            const char* host = i % 2 ? "cdn.test" : "allowed.test";
            html += "<img width=1 height=1 src='http://" + std::string(host) + ":" + std::to_string(port) + "/i?n=" + std::to_string(i)
                + "&r=" + round + "'>";
        }
        response.set_header("Cache-Control", "no-store");
        response.set_content(html + "</body></html>", "text/html");
    });
    server.Get("/i", [](const httplib::Request&, httplib::Response& response) {
        static const char gif[] = "GIF89a\x01\x00\x01\x00\x80\x00\x00\x00\x00\x00\xff\xff\xff!\xf9\x04\x01\x00\x00\x00\x00,"
                                  "\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00;";
        response.set_header("Cache-Control", "no-store");
        response.set_content(std::string(gif, sizeof(gif) - 1), "image/gif");
    });
    port = server.bind_to_any_port("127.0.0.1");
    std::thread serving([&] { server.listen_after_bind(); });
    while (!server.is_running())
        std::this_thread::yield();

    KVSettings& settings = KVSettings::getSettingsObject();
    allowedWebsite site;
    site.url = QStringLiteral("http://allowed.test:%1/").arg(port);
    settings.allowedWebsites = {site};
    settings.kvBrowPref.alsoAllowedForLoading = QStringLiteral("cdn.test");
    settings.kvBrowPref.strictSubresources = false;
    const std::shared_ptr<const SubresourcePolicy> off = SubresourcePolicy::build(settings);
    settings.kvBrowPref.strictSubresources = true;
    const std::shared_ptr<const SubresourcePolicy> on = SubresourcePolicy::build(settings);

    UserAgentInterceptor interceptor;
    QWebEngineProfile profile;
    profile.setHttpCacheType(QWebEngineProfile::NoCache);
    profile.setUrlRequestInterceptor(&interceptor);
    QWebEnginePage page(&profile);

    std::vector<double> times[2];
    int failures = 0;
    for (int round = 0; round < 2 * rounds + 2; ++round) {
        const bool strict = round % 2;
        interceptor.loadGuard().setPolicy(strict ? on : off);
        const QUrl address(QStringLiteral("http://allowed.test:%1/page?round=%2").arg(port).arg(round));
        QEventLoop loaded;
        bool ok = false;
        QObject::connect(&page, &QWebEnginePage::loadFinished, &loaded, [&](bool finished) {
            ok = finished;
            loaded.quit();
        });
        QElapsedTimer clock;
        clock.start();
        page.load(address);
        QTimer::singleShot(60000, &loaded, &QEventLoop::quit);
        loaded.exec();
        const double ms = clock.nsecsElapsed() / 1e6;
        QObject::disconnect(&page, &QWebEnginePage::loadFinished, &loaded, nullptr);
        failures += !ok || interceptor.loadGuard().refusedCount(address) != 0;
        if (round >= 2)  // the first pair warms the engine up
            times[strict].push_back(ms);
    }
    server.stop();
    serving.join();
    if (failures) {
        std::fprintf(stderr, "bench_page_loads: %d rounds failed or refused a resource\n", failures);
        return 1;
    }
    const double offMs = median(times[0]);
    const double onMs = median(times[1]);
    std::printf("page with %d resources, %d rounds each: strict off %.1f ms, strict on %.1f ms (median); on/off %.3f (target <= 1.03)\n",
                resources, rounds, offMs, onMs, onMs / offMs);
    return 0;
}
