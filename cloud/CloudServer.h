#pragma once

#include <functional>
#include <memory>
#include <string>

namespace korvel::cloud {

class DocumentStore;

// korvel-cloud's HTTP side: "/putsettings.ashx" and "/getsettings.ashx" (and "/healthz") over cpp-httplib, request
// bodies bounded to 10 MiB, a rate limit per client, and one structured access-log line (JSON) per
// request. Documents and IDs never appear in the log beyond the first characters of an ID.
class CloudServer {
public:
    static constexpr std::size_t bodyLimit = std::size_t(10) * 1024 * 1024;

    struct Options {
        int ratePerMinute = 600;  // per client; 0: no limit
        int rateBurst = 300;
        // Requests arriving from this address (a reverse proxy) are counted against the last
        // address of their X-Forwarded-For header instead. Empty: none is trusted.
        std::string trustedProxy;
        // Receives each access-log line (without the line break); default: standard output.
        std::function<void(const std::string&)> accessLog;
    };

    CloudServer(DocumentStore& store, Options options);
    ~CloudServer();

    // Binds `host`:`port` (port 0: any free port). Returns the bound port, -1 on failure.
    int bind(const std::string& host, int port);
    // Serves until stop(); false when it could not serve.
    bool listen();
    // Thread-safe; listen() returns soon after.
    void stop();

private:
    struct Private;
    std::unique_ptr<Private> d;
};

}  // namespace korvel::cloud
