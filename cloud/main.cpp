#include "cloud/CloudServer.h"
#include "cloud/DocumentStore.h"
#include "platform/Version.h"

#include <pthread.h>
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

namespace {

const char* usage =
    "Usage: korvel-cloud [--listen ADDRESS:PORT] [--database PATH|URI] [--rate-limit N] [--trust-proxy ADDRESS]\n"
    "\n"
    "Keeps Korvel settings documents under cloud IDs for Korvel devices (\"/putsettings.ashx\",\n"
    "\"/getsettings.ashx\"); GET /healthz answers 200 \"ok\" while the database answers. Serve it\n"
    "behind a TLS reverse proxy; it speaks plain HTTP.\n"
    "\n"
    "  --listen ADDRESS:PORT  where to listen (default 127.0.0.1:8380; port 0 picks a free port;\n"
    "                         IPv6 as [::1]:8380)\n"
    "  --database PATH        the SQLite file of the documents (default korvel-cloud.db)\n"
    "  --database URI         a PostgreSQL database (postgresql://USER@HOST:PORT/NAME), which\n"
    "                         several instances of the service may share\n"
    "  --rate-limit N         requests a minute per client, bursts of N/2 (default 600; 0: no limit)\n"
    "  --trust-proxy ADDRESS  requests from ADDRESS (the reverse proxy) count against the last\n"
    "                         address of their X-Forwarded-For header\n"
    "  -h, --help             show this help and exit\n"
    "  -v, --version          show the version and exit\n"
    "\n"
    "One JSON line per request goes to standard output; messages go to standard error.\n"
    "SIGTERM or SIGINT stops it after the requests in progress.\n";

bool splitListen(const std::string& text, std::string& host, int& port)
{
    const std::size_t colon = text.rfind(':');
    if (colon == std::string::npos || colon == 0)
        return false;
    host = text.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']')
        host = host.substr(1, host.size() - 2);
    const std::string digits = text.substr(colon + 1);
    if (digits.empty() || digits.size() > 5 || digits.find_first_not_of("0123456789") != std::string::npos)
        return false;
    port = std::stoi(digits);
    return port <= 65535;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string listen = "127.0.0.1:8380";
    std::string database = "korvel-cloud.db";
    korvel::cloud::CloudServer::Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= argc)
                return false;
            into = argv[++i];
            return true;
        };
        std::string number;
        if (a == "-h" || a == "--help") {
            std::fputs(usage, stdout);
            return 0;
        }
        if (a == "-v" || a == "--version") {
            std::printf("korvel-cloud %s (build %s)\n", korvel::version::shortVersion, korvel::version::buildNumber);
            return 0;
        }
        if ((a == "--listen" && value(listen)) || (a == "--database" && value(database))
            || (a == "--trust-proxy" && value(options.trustedProxy)))
            continue;
        if (a == "--rate-limit" && value(number) && !number.empty()
            && number.find_first_not_of("0123456789") == std::string::npos && number.size() < 7) {
            options.ratePerMinute = std::stoi(number);
            options.rateBurst = std::max(1, options.ratePerMinute / 2);
            continue;
        }
        std::fprintf(stderr, "korvel-cloud: bad argument \"%s\"\n%s", a.c_str(), usage);
        return 2;
    }
    std::string host;
    int port = 0;
    if (!splitListen(listen, host, port)) {
        std::fprintf(stderr, "korvel-cloud: --listen needs ADDRESS:PORT, not \"%s\"\n", listen.c_str());
        return 2;
    }

    // Signals are taken by one thread with sigwait, never by a handler in the middle of a request.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    // A device that hangs up mid-answer must not end the service.
    signal(SIGPIPE, SIG_IGN);

    std::string error;
    const std::unique_ptr<korvel::cloud::DocumentStore> store = korvel::cloud::DocumentStore::openDatabase(database, &error);
    if (!store) {
        std::fprintf(stderr, "korvel-cloud: cannot open the database %s: %s\n",
                     korvel::cloud::DocumentStore::describe(database).c_str(), error.c_str());
        return 1;
    }
    korvel::cloud::CloudServer server(*store, options);
    const int bound = server.bind(host, port);
    if (bound < 0) {
        std::fprintf(stderr, "korvel-cloud: cannot listen on %s\n", listen.c_str());
        return 1;
    }
    const bool v6 = host.find(':') != std::string::npos;
    std::fprintf(stderr, "korvel-cloud: listening on %s%s%s:%d\n", v6 ? "[" : "", host.c_str(), v6 ? "]" : "", bound);

    std::thread waiter([&] {
        int received = 0;
        sigwait(&stopSignals, &received);
        if (received == SIGTERM || received == SIGINT)
            std::fprintf(stderr, "korvel-cloud: stopping on signal %d\n", received);
        server.stop();
    });
    const bool served = server.listen();
    // listen() may also end on its own; the waiter is woken with a signal of its own.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    return served ? 0 : 1;
}
