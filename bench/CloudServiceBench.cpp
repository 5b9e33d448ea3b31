// korvel-cloud serving a fleet: 1,000 devices, each with its own 200 kB settings document, fetch it
// at about the same time (64 at once, a new connection per request, as devices make them), five
// times over. Prints requests per second and the latency percentiles, and the time to store the
// 1,000 documents first.
#include "bench/ProcessMemory.h"
#include "cloud/CloudDocumentStore.h"
#include "cloud/CloudServer.h"

#include <QTemporaryDir>

#include <httplib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
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

}  // namespace

int main(int argc, char** argv)
{
    // "gzip, deflate" is what the devices ask for; "identity" measures the service without compression.
    const std::string encoding = argc > 1 ? argv[1] : "gzip, deflate";
    QTemporaryDir dir;
    korvel::cloud::CloudDocumentStore store;
    std::string error;
    if (!store.open((dir.path() + QStringLiteral("/cloud.db")).toStdString(), &error)) {
        std::fprintf(stderr, "cannot open the store: %s\n", error.c_str());
        return 1;
    }
    korvel::cloud::CloudServer server(store, {0, 1, {}, [](const std::string&) {}});
    const int port = server.bind("127.0.0.1", 0);
    std::thread serving([&] { server.listen(); });

    std::mt19937 random(7);
    std::vector<std::string> ids;
    const Clock::time_point storeStart = Clock::now();
    for (int i = 0; i < devices; ++i) {
        httplib::Client client("127.0.0.1", port);
        const std::string settings = document(random);
        const httplib::Result stored = client.Post("/putsettings.ashx", body(std::string(), &settings), "text/xml");
        if (!stored || stored->status != 200) {
            std::fprintf(stderr, "storing failed\n");
            return 1;
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
                httplib::Client client("127.0.0.1", port);
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
    server.stop();
    serving.join();

    std::sort(latencies.begin(), latencies.end());
    auto percentile = [&](double p) { return latencies[std::min(latencies.size() - 1, std::size_t(p * latencies.size()))]; };
    std::printf("stored %d documents of %zu kB: %.2f s (%.0f per second)\n", devices, documentSize / 1024, storeSeconds,
                devices / storeSeconds);
    std::printf("fetched %zu times by %d devices, %d at once: %.2f s, %.0f requests/s, %.1f MB/s\n", latencies.size(), devices,
                concurrency, seconds, latencies.size() / seconds, latencies.size() * documentSize / seconds / 1e6);
    std::printf("latency ms: p50 %.2f  p90 %.2f  p99 %.2f  max %.2f   failures: %d   peak memory: %.0f MB\n", percentile(0.50),
                percentile(0.90), percentile(0.99), latencies.back(), failures.load(), korvel::bench::statusKiB("VmHWM:") / 1024.0);
    return failures.load() == 0 ? 0 : 1;
}
