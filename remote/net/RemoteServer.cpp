#include "remote/net/RemoteServer.h"

#include "control/ControlPerformer.h"
#include "files/UploadHttpServer.h"
#include "log/KVLogger.h"
#include "platform/Clock.h"
#include "platform/DeviceCertificate.h"
#include "remote/MetricsText.h"
#include "remote/RemoteGate.h"
#include "remote/RemoteRoutes.h"
#include "remote/RemoteToken.h"

#include <QDateTime>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMetaObject>

#include <future>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>

namespace korvel {

const QString RemoteServer::logCategory = QStringLiteral("Remote Control");

namespace {

void log(const QString& message)
{
    if (KVLogger* logger = KVLogger::sharedLogger())
        logger->kvBridgeLog(RemoteServer::logCategory, message);
}

QString printable(const std::string& text)
{
    QString shown;
    for (const QChar c : QString::fromUtf8(text.data(), qsizetype(std::min<size_t>(text.size(), 200)))) {
        const ushort u = c.unicode();
        shown += (u < 0x20 || (u >= 0x7f && u <= 0x9f)) ? QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')) : QString(c);
    }
    return shown;
}

void answerJson(httplib::Response& response, int status, const QJsonObject& body)
{
    response.status = status;
    response.set_content(QJsonDocument(body).toJson(QJsonDocument::Compact).toStdString(), "application/json");
}

void answerError(httplib::Response& response, int status, const QString& error)
{
    answerJson(response, status, {{QStringLiteral("error"), error.trimmed()}});
}

}  // namespace

struct RemoteServer::Running {
    Running(const ConnectionLimits& limits)
        : http(limits, stopping)
    {
    }
    std::atomic<bool> stopping{false};
    UploadHttpServer http;
    std::thread listener;
    std::mutex gateMutex;
    RemoteGate gate;
    int port = 0;
};

RemoteServer::RemoteServer(QObject* receiver, Performer performer, const ConnectionLimits& limits)
    : m_receiver(receiver)
    , m_performer(std::move(performer))
    , m_limits(limits)
{
}

RemoteServer::~RemoteServer()
{
    stop();
}

bool RemoteServer::isRunning() const
{
    return m_running && m_running->http.is_running();
}

int RemoteServer::port() const
{
    return m_running ? m_running->port : 0;
}

void RemoteServer::stop()
{
    if (!m_running)
        return;
    m_running->stopping = true;
    m_running->http.stop();
    if (m_running->listener.joinable())
        m_running->listener.join();
    m_running.reset();
}

bool RemoteServer::start(const QString& address, int port, QString* error)
{
    stop();
    const QHostAddress host(address);
    if (host.isNull()) {
        *error = QStringLiteral("\"%1\" is not an IP address").arg(address);
        return false;
    }
    auto running = std::make_unique<Running>(m_limits);
    UploadHttpServer& http = running->http;
    const std::optional<DeviceCertificate::Identity> identity = DeviceCertificate::loadOrCreate(error);
    if (!identity || !http.useTls(identity->certificatePem, identity->keyPem, error))
        return false;
    http.set_payload_max_length(size_t(bodyLimit));
    http.set_default_headers({{"X-Content-Type-Options", "nosniff"}, {"Cache-Control", "no-store"}});
    http.set_socket_options([](int socket) {
        const int yes = 1;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
    });

    Running* state = running.get();
    QPointer<QObject> receiver = m_receiver;
    const Performer performer = m_performer;
    // The token and the gate come first, before a body is read or a route looked up, so that a
    // caller without the token learns nothing of the routes and sends no body for nothing.
    const auto admit = [state](const httplib::Request& request, httplib::Response& response) {
        UploadHttpServer::Connection* connection = UploadHttpServer::current();
        const QString client = connection ? QString::fromStdString(connection->remoteAddress()) : QStringLiteral("?");
        const QString call = QStringLiteral("%1 %2").arg(QString::fromStdString(request.method), printable(request.path));
        if (!connection || !connection->isTls()) {
            if (connection)
                connection->closeAfterReply();
            answerError(response, 400, QStringLiteral("this API answers over HTTPS only"));
            log(QStringLiteral("%1 from %2 refused: not HTTPS").arg(call, client));
            return httplib::Server::HandlerResponse::Handled;
        }
        const QByteArray token = RemoteToken::fromAuthorization(QByteArray::fromStdString(request.get_header_value("Authorization")));
        const std::optional<QByteArray> hash = RemoteToken::storedHash();
        const bool matches = hash && RemoteToken::matches(token, *hash);
        RemoteGate::Answer gate;
        {
            const std::lock_guard lock(state->gateMutex);
            gate = state->gate.admit(client, !token.isEmpty(), matches,
                                     RemoteGate::Time(Clock::instance().now().toMSecsSinceEpoch()));
        }
        switch (gate.verdict) {
        case RemoteGate::Verdict::Pass:
            return httplib::Server::HandlerResponse::Unhandled;
        case RemoteGate::Verdict::NoToken:
        case RemoteGate::Verdict::WrongToken:
            response.set_header("WWW-Authenticate", "Bearer");
            answerError(response, 401, gate.verdict == RemoteGate::Verdict::NoToken ? QStringLiteral("a bearer token is needed")
                                                                                      : QStringLiteral("wrong token"));
            log(QStringLiteral("%1 from %2 refused: %3").arg(call, client, gate.verdict == RemoteGate::Verdict::NoToken ? QStringLiteral("no token") : QStringLiteral("wrong token")));
            return httplib::Server::HandlerResponse::Handled;
        case RemoteGate::Verdict::LockedOut:
        case RemoteGate::Verdict::TooFast:
            // Not logged: a flood would fill the log; its first wrong tokens are there.
            response.set_header("Retry-After", std::to_string(gate.retryAfter.count()));
            connection->closeAfterReply();
            answerError(response, 429, QStringLiteral("too many calls; try again later"));
            return httplib::Server::HandlerResponse::Handled;
        }
        return httplib::Server::HandlerResponse::Handled;
    };
    const auto perform = [state, receiver, performer](const httplib::Request& request, httplib::Response& response) {
        UploadHttpServer::Connection* connection = UploadHttpServer::current();
        const QString client = connection ? QString::fromStdString(connection->remoteAddress()) : QStringLiteral("?");
        const QString call = QStringLiteral("%1 %2").arg(QString::fromStdString(request.method), printable(request.path));
        const RemoteRoutes::Match match = RemoteRoutes::find(QByteArray::fromStdString(request.method), QByteArray::fromStdString(request.path));
        if (!match.route) {
            answerError(response, match.otherMethod ? 405 : 404, match.otherMethod ? QStringLiteral("method not allowed") : QStringLiteral("no such call"));
            log(QStringLiteral("%1 from %2: %3").arg(call, client).arg(response.status));
            return;
        }
        QString problem;
        const std::optional<ControlCommand> command = RemoteRoutes::command(
            *match.route, QByteArray::fromStdString(request.body), QByteArray::fromStdString(request.get_param_value("since")), &problem);
        if (!command) {
            answerError(response, 400, problem);
            log(QStringLiteral("%1 from %2: 400 (%3)").arg(call, client, problem));
            return;
        }
        // Performed where every command is; the answer waits here, never past the command's time.
        auto promise = std::make_shared<std::promise<ControlReply>>();
        auto answered = std::make_shared<std::atomic<bool>>(false);
        std::future<ControlReply> future = promise->get_future();
        const Done done = [promise, answered](const ControlReply& reply) {
            if (!answered->exchange(true))
                promise->set_value(reply);
        };
        const bool posted = receiver && QMetaObject::invokeMethod(
                                            receiver.data(), [performer, command = *command, client, done] { performer(command, client, done); },
                                            Qt::QueuedConnection);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(ControlPerformer::timeoutSeconds(command->name));
        std::future_status waited = std::future_status::timeout;
        while (posted && !state->stopping && std::chrono::steady_clock::now() < deadline) {
            waited = future.wait_for(std::chrono::milliseconds(100));
            if (waited == std::future_status::ready)
                break;
        }
        if (waited != std::future_status::ready) {
            answerError(response, 503, QStringLiteral("the kiosk did not answer in time"));
            log(QStringLiteral("%1 from %2: 503 (no answer in time)").arg(call, client));
            return;
        }
        const ControlReply reply = future.get();
        const int status = RemoteRoutes::httpStatus(reply);
        log(QStringLiteral("%1 from %2: %3").arg(call, client).arg(status));
        if (status != 200) {
            answerError(response, status, reply.error.isEmpty() ? reply.output : reply.error);
            return;
        }
        switch (match.route->answer) {
        case RemoteRoute::Answer::Png:
            response.status = 200;
            response.set_content(QByteArray::fromBase64(reply.output.toLatin1()).toStdString(), "image/png");
            return;
        case RemoteRoute::Answer::Metrics:
            response.status = 200;
            response.set_content(MetricsText::fromStatus(QJsonDocument::fromJson(reply.output.toUtf8()).object()).toStdString(),
                                 "text/plain; version=0.0.4; charset=utf-8");
            return;
        case RemoteRoute::Answer::Json: {
            const QJsonDocument document = QJsonDocument::fromJson(reply.output.toUtf8());
            if (document.isObject()) {
                response.status = 200;
                response.set_content(reply.output.toStdString(), "application/json");
            } else {
                answerJson(response, 200, {{QStringLiteral("message"), reply.output.trimmed()}});
            }
            return;
        }
        }
    };
    http.set_pre_routing_handler(admit);
    // Every method and path reaches the one handler, which knows the routes.
    http.Get(".*", perform);
    http.Post(".*", perform);
    http.Put(".*", perform);
    http.Delete(".*", perform);
    http.Patch(".*", perform);
    http.Options(".*", perform);

    const std::string bindAddress = host.toString().toStdString();
    const int bound = port == 0 ? http.bind_to_any_port(bindAddress) : (http.bind_to_port(bindAddress, port) ? port : -1);
    if (bound <= 0) {
        *error = QStringLiteral("cannot listen on %1 port %2").arg(address).arg(port);
        return false;
    }
    http.widenBacklog();
    running->port = bound;
    std::promise<void> listening;
    std::future<void> ready = listening.get_future();
    running->listener = std::thread([&http, &listening] {
        listening.set_value();
        http.listen_after_bind();
    });
    ready.wait();
    while (!http.is_running())
        std::this_thread::yield();
    m_running = std::move(running);
    log(QStringLiteral("Listening on %1 port %2").arg(address).arg(bound));
    return true;
}

}  // namespace korvel
