#include "cloud/CloudServer.h"

#include "cloud/DocumentStore.h"
#include "cloud/CloudProtocol.h"
#include "cloud/RateLimiter.h"
#include "platform/Clock.h"

#include <httplib.h>

#include <sys/socket.h>

#include <chrono>
#include <cstdio>
#include <mutex>

namespace korvel::cloud {

namespace {

// Not "text/xml": cpp-httplib gzips every text answer a device accepts gzip for, and documents are
// mostly Base64 of images already compressed. Compressing a 200 kB answer cost three quarters of the
// service's throughput for a quarter of the bytes; the devices read the body whatever its type.
const char* const answerType = "application/octet-stream";

// What each request came to, for the access log; set by the handler on the serving thread.
thread_local std::string requestOutcome;
thread_local std::string requestID;
thread_local std::chrono::steady_clock::time_point requestStart;

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (u < 0x20) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\u%04x", u);
            out += buffer;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// The start of an ID, enough to follow one device through the log without handing out its key.
std::string idPrefix(std::string_view id)
{
    if (id.empty())
        return std::string();
    return std::string(id.substr(0, 4)) + "...";
}

std::int64_t nowMs()
{
    return Clock::instance().now().toMSecsSinceEpoch();
}

std::string utcNow()
{
    return Clock::instance().now().toUTC().toString(Qt::ISODateWithMs).toStdString();
}

void answer(httplib::Response& res, int status, std::string body, const char* outcome)
{
    res.status = status;
    res.body = std::move(body);
    res.set_header("Content-Type", answerType);
    requestOutcome = outcome;
}

}  // namespace

struct CloudServer::Private {
    Private(DocumentStore& s, Options o)
        : store(s)
        , options(std::move(o))
        , limiter(options.ratePerMinute, options.rateBurst)
    {
    }

    std::string clientOf(const httplib::Request& req) const
    {
        if (options.trustedProxy.empty() || req.remote_addr != options.trustedProxy)
            return req.remote_addr;
        const std::string forwarded = req.get_header_value("X-Forwarded-For");
        if (forwarded.empty())
            return req.remote_addr;
        // The proxy appends the address it saw; earlier entries are whatever the client claimed.
        std::string last = forwarded.substr(forwarded.rfind(',') == std::string::npos ? 0 : forwarded.rfind(',') + 1);
        const auto first = last.find_first_not_of(' ');
        return first == std::string::npos ? req.remote_addr : last.substr(first);
    }

    void put(const httplib::Request& req, httplib::Response& res)
    {
        const std::optional<CloudProtocol::Request> request = CloudProtocol::parseRequest(req.body);
        if (!request || !request->settingsXML || request->settingsXML->empty())
            return answer(res, 400, std::string(CloudProtocol::falseAnswer), "malformed");
        DocumentStore::Document document{*request->settingsXML, request->os, request->model, utcNow()};
        if (request->cloudID.empty()) {
            // A collision of 119 random bits is not expected; one more draw settles it anyway.
            for (int attempt = 0; attempt < 3; ++attempt) {
                const std::optional<std::string> id = CloudProtocol::newCloudID();
                if (!id)
                    break;
                if (store.insert(*id, document)) {
                    requestID = *id;
                    return answer(res, 200, CloudProtocol::storeAnswer(*id), "created");
                }
            }
            return answer(res, 500, std::string(CloudProtocol::falseAnswer), "store-failed");
        }
        requestID = request->cloudID;
        if (!CloudProtocol::isPlausibleID(request->cloudID))
            return answer(res, 200, std::string(CloudProtocol::falseAnswer), "unknown-id");
        switch (store.update(request->cloudID, document)) {
        case DocumentStore::Put::Stored:
            return answer(res, 200, CloudProtocol::storeAnswer(request->cloudID), "stored");
        case DocumentStore::Put::UnknownID:
            return answer(res, 200, std::string(CloudProtocol::falseAnswer), "unknown-id");
        case DocumentStore::Put::Failed:
            return answer(res, 500, std::string(CloudProtocol::falseAnswer), "store-failed");
        }
    }

    void get(const httplib::Request& req, httplib::Response& res)
    {
        const std::optional<CloudProtocol::Request> request = CloudProtocol::parseRequest(req.body);
        if (!request)
            return answer(res, 400, std::string(CloudProtocol::falseAnswer), "malformed");
        requestID = request->cloudID;
        if (!CloudProtocol::isPlausibleID(request->cloudID))
            return answer(res, 200, std::string(CloudProtocol::falseAnswer), "unknown-id");
        const std::optional<DocumentStore::Document> document = store.find(request->cloudID);
        if (!document)
            return answer(res, 200, std::string(CloudProtocol::falseAnswer), "unknown-id");
        answer(res, 200, CloudProtocol::fetchAnswer(request->cloudID, document->settingsXML), "fetched");
    }

    void log(const httplib::Request& req, const httplib::Response& res)
    {
        const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - requestStart).count();
        char duration[32];
        std::snprintf(duration, sizeof duration, "%.3f", ms);
        std::string outcome = requestOutcome;
        if (outcome.empty())
            outcome = res.status == 413 ? "too-large" : res.status == 404 ? "no-such-resource" : "refused";
        std::string line = "{\"time\":" + jsonString(utcNow()) + ",\"client\":" + jsonString(clientOf(req))
            + ",\"method\":" + jsonString(req.method) + ",\"path\":" + jsonString(req.path)
            + ",\"status\":" + std::to_string(res.status) + ",\"outcome\":" + jsonString(outcome)
            + ",\"id\":" + jsonString(idPrefix(requestID)) + ",\"request_bytes\":" + std::to_string(req.body.size())
            + ",\"response_bytes\":" + std::to_string(res.body.size()) + ",\"duration_ms\":" + duration + "}";
        requestOutcome.clear();
        requestID.clear();
        if (options.accessLog) {
            options.accessLog(line);
            return;
        }
        std::lock_guard lock(logMutex);
        std::fwrite(line.data(), 1, line.size(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }

    DocumentStore& store;
    Options options;
    RateLimiter limiter;
    httplib::Server server;
    std::mutex logMutex;
    int listeningSocket = -1;
};

CloudServer::CloudServer(DocumentStore& store, Options options)
    : d(std::make_unique<Private>(store, std::move(options)))
{
    httplib::Server& server = d->server;
    // The socket is remembered so bind() can widen its backlog: cpp-httplib listens with a backlog
    // of 5, and a fleet that connects at once would have its connections retried a second later.
    // SO_REUSEADDR only: SO_REUSEPORT would let a second process share the port.
    server.set_socket_options([this](socket_t socket) {
        int yes = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        d->listeningSocket = socket;
    });
    server.set_payload_max_length(bodyLimit);
    server.set_read_timeout(std::chrono::seconds(30));
    server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
        requestStart = std::chrono::steady_clock::now();
        requestOutcome.clear();
        requestID.clear();
        // A load balancer's health checks come from one address, often: they are not limited.
        if (req.path == "/healthz" || d->limiter.allow(d->clientOf(req), nowMs()))
            return httplib::Server::HandlerResponse::Unhandled;
        res.set_header("Retry-After", "60");
        answer(res, 429, std::string(CloudProtocol::falseAnswer), "rate-limited");
        return httplib::Server::HandlerResponse::Handled;
    });
    server.Post("/putsettings.ashx", [this](const httplib::Request& req, httplib::Response& res) { d->put(req, res); });
    // For load balancers and monitoring: 200 "ok" while the database answers, 503 otherwise.
    server.Get("/healthz", [this](const httplib::Request&, httplib::Response& res) {
        const bool healthy = d->store.healthy();
        res.status = healthy ? 200 : 503;
        res.set_content(healthy ? "ok\n" : "database unavailable\n", "text/plain");
        requestOutcome = healthy ? "healthy" : "unhealthy";
    });
    server.Post("/getsettings.ashx", [this](const httplib::Request& req, httplib::Response& res) { d->get(req, res); });
    // Every other answer (unknown resource, oversized body) is a failure to a device as well.
    server.set_error_handler([](const httplib::Request&, httplib::Response& res) {
        if (res.body.empty())
            res.set_content(std::string(CloudProtocol::falseAnswer), answerType);
    });
    server.set_logger([this](const httplib::Request& req, const httplib::Response& res) { d->log(req, res); });
}

CloudServer::~CloudServer()
{
    stop();
}

int CloudServer::bind(const std::string& host, int port)
{
    const int bound = port == 0 ? d->server.bind_to_any_port(host) : d->server.bind_to_port(host.c_str(), port) ? port : -1;
    if (bound > 0 && d->listeningSocket >= 0)
        ::listen(d->listeningSocket, SOMAXCONN);
    return bound;
}

bool CloudServer::listen()
{
    return d->server.listen_after_bind();
}

void CloudServer::stop()
{
    d->server.stop();
}

}  // namespace korvel::cloud
