// korvel-cloud serving a fleet: 1,000 devices, each with its own 200 kB settings document, fetch it
// at about the same time (64 at once, a new connection per request, as devices make them), five
// times over. Prints requests per second and the latency percentiles, and the time to store the
// 1,000 documents first; on the SQLite store, on the PostgreSQL store (a throw-away cluster that
// commits to disk as a production one does), and with two service instances sharing the
// PostgreSQL database, the devices' requests dealt between them in turn as a load balancer would.
#include "bench/ProcessMemory.h"
#include "cloud/CloudServer.h"
#include "cloud/DocumentStore.h"
#include "tests/support/TemporaryPostgres.h"

#include <QTemporaryDir>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <cstdio>
#include <random>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int devices = 1000;
constexpr int rounds = 5;
constexpr int concurrency = 64;
constexpr std::size_t documentSize = 200 * 1024;

std::string document(std::mt19937& random)
{
    // A property list whose bulk is Base64 text, as embedded icons make it.
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text = "<![CDATA[ <?xml version=\"1.0\" encoding=\"UTF-8\"?><plist version=\"1.0\"><dict><key>Files</key><array><dict>"
                       "<key>FileName</key><string>icon.png</string><key>FileData</key><string>";
    while (text.size() < documentSize - 64)
        text += alphabet[random() % 64];
    return text + "</string></dict></array></dict></plist> ]]>";
}

std::string body(const std::string& id, const std::string* settings)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Request><CloudID>" + id + "</CloudID>"
        + (settings ? "<SettingsXML>" + *settings + "</SettingsXML>" : std::string())
        + "<OS>Debian GNU/Linux 12</OS><Model>Bench Panel</Model><ActivationCode></ActivationCode><IMEI></IMEI><IMSI></IMSI>"
          "<WIFI_MAC></WIFI_MAC><BT_MAC></BT_MAC><GUID></GUID><Product>6</Product></Request>";
}

std::string tag(const std::string& text, const std::string& name)
{
    const std::size_t begin = text.find("<" + name + ">");
    const std::size_t end = text.find("</" + name + ">");
    return begin == std::string::npos || end == std::string::npos ? std::string() : text.substr(begin + name.size() + 2, end - begin - name.size() - 2);
}

struct Instance {
    std::unique_ptr<korvel::cloud::DocumentStore> store;
    std::unique_ptr<korvel::cloud::CloudServer> server;
    int port = 0;
    std::thread serving;
};

// Stores the fleet's documents through the first instance and has the fleet fetch them from all
// instances in turn; false when a request failed.
bool measure(const char* name, const std::string& database, int instances, const std::string& encoding)
{
    std::printf("== %s, %d instance%s\n", name, instances, instances > 1 ? "s" : "");
    std::vector<Instance> running(static_cast<std::size_t>(instances));
    for (Instance& instance : running) {
        std::string error;
        instance.store = korvel::cloud::DocumentStore::openDatabase(database, &error);
        if (!instance.store) {
            std::fprintf(stderr, "cannot open the store: %s\n", error.c_str());
            return false;
        }
        instance.server = std::make_unique<korvel::cloud::CloudServer>(*instance.store,
                                                                      korvel::cloud::CloudServer::Options{0, 1, {}, [](const std::string&) {}});
        instance.port = instance.server->bind("127.0.0.1", 0);
        instance.serving = std::thread([server = instance.server.get()] { server->listen(); });
    }
    const auto stopAll = [&] {
        for (Instance& instance : running) {
            instance.server->stop();
            instance.serving.join();
        }
    };

    std::mt19937 random(7);
    std::vector<std::string> ids;
    const Clock::time_point storeStart = Clock::now();
    for (int i = 0; i < devices; ++i) {
        httplib::Client client("127.0.0.1", running[std::size_t(i) % running.size()].port);
        const std::string settings = document(random);
        const httplib::Result stored = client.Post("/putsettings.ashx", body(std::string(), &settings), "text/xml");
        if (!stored || stored->status != 200) {
            std::fprintf(stderr, "storing failed\n");
            stopAll();
            return false;
        }
        ids.push_back(tag(stored->body, "CloudID"));
    }
    const double storeSeconds = std::chrono::duration<double>(Clock::now() - storeStart).count();

    std::vector<double> latencies(std::size_t(devices) * rounds);
    std::atomic<int> next{0};
    std::atomic<int> failures{0};
    const Clock::time_point start = Clock::now();
    std::vector<std::thread> fleet;
    for (int t = 0; t < concurrency; ++t) {
        fleet.emplace_back([&] {
            for (int n = next++; n < devices * rounds; n = next++) {
                httplib::Client client("127.0.0.1", running[std::size_t(n) % running.size()].port);
                const Clock::time_point sent = Clock::now();
                // What Qt's network access sends on a device.
                const httplib::Headers headers{{"Accept-Encoding", encoding}};
                const httplib::Result fetched = client.Post("/getsettings.ashx", headers, body(ids[n % devices], nullptr), "text/xml");
                if (!fetched)
                    std::fprintf(stderr, "request failed: %s\n", httplib::to_string(fetched.error()).c_str());
                latencies[n] = std::chrono::duration<double, std::milli>(Clock::now() - sent).count();
                if (!fetched || fetched->status != 200 || fetched->body.size() < documentSize)
                    ++failures;
            }
        });
    }
    for (std::thread& t : fleet)
        t.join();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    stopAll();

    std::sort(latencies.begin(), latencies.end());
    auto percentile = [&](double p) { return latencies[std::min(latencies.size() - 1, std::size_t(p * latencies.size()))]; };
    std::printf("stored %d documents of %zu kB: %.2f s (%.0f per second)\n", devices, documentSize / 1024, storeSeconds,
                devices / storeSeconds);
    std::printf("fetched %zu times by %d devices, %d at once: %.2f s, %.0f requests/s, %.1f MB/s\n", latencies.size(), devices,
                concurrency, seconds, latencies.size() / seconds, latencies.size() * documentSize / seconds / 1e6);
    std::printf("latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f   failures: %d   peak memory: %.0f MB\n", percentile(0.50),
                percentile(0.90), percentile(0.99), latencies.back(), failures.load(), korvel::bench::statusKiB("VmHWM:") / 1024.0);
    return failures.load() == 0;
}

}  // namespace

// Arguments: the Accept-Encoding of the devices ("gzip, deflate", what they send; "identity"
// measures the service without compression), then which stores: "sqlite", "postgresql" or both.
int main(int argc, char** argv)
{
    const std::string encoding = argc > 1 ? argv[1] : "gzip, deflate";
    const std::string which = argc > 2 ? argv[2] : "both";
    bool ok = true;
    if (which != "postgresql") {
        QTemporaryDir dir;
        ok = measure("SQLite", (dir.path() + QStringLiteral("/cloud.db")).toStdString(), 1, encoding) && ok;
    }
    if (which == "sqlite")
        return ok ? 0 : 1;
    if (!korvel::test::TemporaryPostgres::installed()) {
        std::fprintf(stderr, "PostgreSQL's server programs are not in %s: no PostgreSQL figures\n",
                     qPrintable(korvel::test::TemporaryPostgres::binaries()));
        return 1;
    }
    korvel::test::TemporaryPostgres cluster;
    QString error;
    if (!cluster.start(&error, true)) {
        std::fprintf(stderr, "the PostgreSQL cluster did not start: %s\n", qPrintable(error));
        return 1;
    }
    for (const int instances : {1, 2}) {
        const std::string database = cluster.createDatabase(&error);
        if (database.empty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        ok = measure("PostgreSQL", database, instances, encoding) && ok;
    }
    return ok ? 0 : 1;
}
