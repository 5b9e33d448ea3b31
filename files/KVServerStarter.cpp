#include "files/KVServerStarter.h"

#include "files/DocumentStore.h"
#include "files/MultipartReader.h"
#include "files/UploadAccessGate.h"
#include "files/UploadFile.h"
#include "files/UploadHttpServer.h"
#include "files/UploadRequestRules.h"
#include "log/KVLogger.h"
#include "platform/Clock.h"
#include "platform/Console.h"
#include "platform/DeviceCertificate.h"
#include "platform/Paths.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMimeDatabase>
#include <QRandomGenerator>
#include <QUrl>

#include <httplib.h>

#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstring>
#include <future>
#include <mutex>
#include <thread>

namespace korvel {

namespace {

const QString starterCategory = QStringLiteral("KVServerStarter");
const QString connectionCategory = QStringLiteral("KVServerConnection");

void bridgeLog(const QString& category, const QString& message)
{
    if (KVLogger* logger = KVLogger::sharedLogger())
        logger->kvBridgeLog(category, message);
}

// A name from the network as it may appear in the log: control characters shown, not written.
QString printable(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        const ushort u = c.unicode();
        shown += (u < 0x20 || (u >= 0x7f && u <= 0x9f)) ? QStringLiteral("\\x%1").arg(u, 2, 16, QLatin1Char('0')) : QString(c);
    }
    return shown.left(300);
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

void reply(httplib::Response& response, int status, const QString& text)
{
    response.status = status;
    response.set_content(text.toUtf8().toStdString(), "text/plain; charset=utf-8");
}

// Percent-encoded dots, slashes and backslashes in the raw target are never needed by a real page
// and are how path escapes hide from a decoded-path check.
bool hasEncodedSeparator(const std::string& target)
{
    const QString path = fromUtf8(target).section(QLatin1Char('?'), 0, 0).toLower();
    return path.contains(QLatin1String("%2e")) || path.contains(QLatin1String("%2f")) || path.contains(QLatin1String("%5c"));
}

// A refusal that leaves a request's body unread: the connection is not read on (the server closes
// it after the reply), and the client is told so.
void refuse(httplib::Response& response, int status, const QString& text)
{
    reply(response, status, text);
    response.set_header("Connection", "close");
    if (UploadHttpServer::Connection* connection = UploadHttpServer::current())
        connection->closeAfterReply();
}

QString seconds(std::chrono::milliseconds wait)
{
    return QString::number((wait.count() + 999) / 1000);
}

bool startsWith(const std::string& text, const char* prefix)
{
    return text.rfind(prefix, 0) == 0;
}

const QString secretText = QStringLiteral("the file holds settings or the log; the access code unlocks it");

// The file of `directory` that the rest of a request path names, or its default document; confined
// to the directory (symbolic links included). Nothing when there is none or the name is refused.
std::optional<QString> staticFile(const QString& directory, const QStringList& defaultDocuments, const QString& relative)
{
    const DocumentStore store(directory);
    if (relative.isEmpty() || relative.endsWith(QLatin1Char('/'))) {
        for (const QString& document : defaultDocuments) {
            const auto checked = store.checkedPath(relative + document, DocumentStore::LastLink::Follow);
            if (!checked.refusal && QFileInfo(checked.path).isFile())
                return checked.path;
        }
        return std::nullopt;
    }
    const auto checked = store.checkedPath(relative, DocumentStore::LastLink::Follow);
    if (checked.refusal) {
        bridgeLog(connectionCategory, QStringLiteral("Refused file request: ") + printable(relative));
        return std::nullopt;
    }
    if (QFileInfo(checked.path).isDir()) {
        for (const QString& document : defaultDocuments) {
            if (QFileInfo(checked.path + QLatin1Char('/') + document).isFile())
                return checked.path + QLatin1Char('/') + document;
        }
        return std::nullopt;
    }
    return QFileInfo(checked.path).isFile() ? std::optional<QString>(checked.path) : std::nullopt;
}

// The rest of the path after a route's prefix, without its leading slash.
QString requested(const httplib::Request& request)
{
    const QString rest = fromUtf8(request.matches.size() > 1 ? request.matches[1].str() : std::string());
    return rest.mid(rest.startsWith(QLatin1Char('/')) ? 1 : 0);
}

// Streams the file rather than reading it whole. False when it cannot be opened.
bool streamFile(const QString& path, httplib::Response& response)
{
    auto file = std::make_shared<QFile>(path);
    if (!file->open(QIODevice::ReadOnly))
        return false;
    static const QMimeDatabase mimeTypes;
    const std::string type = mimeTypes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toStdString();
    response.status = 200;
    response.set_content_provider(size_t(file->size()), type, [file](size_t offset, size_t length, httplib::DataSink& sink) {
        if (!file->seek(qint64(offset)))
            return false;
        const QByteArray chunk = file->read(qint64(std::min<size_t>(length, 256 * 1024)));
        if (chunk.isEmpty())
            return false;
        sink.write(chunk.constData(), size_t(chunk.size()));
        return true;
    });
    return true;
}

// Whether a file asked for by `name`, which lies at `path` once symbolic links are resolved, holds a
// secret: a link inside Documents must not lead to a settings document under another name.
bool isSecret(const QString& documents, const QString& name, const QString& path, const QStringList& settingsNames)
{
    const QString resolved = QDir(QFileInfo(documents).canonicalFilePath()).relativeFilePath(path);
    return DocumentStore::holdsSecret(name, settingsNames) || DocumentStore::holdsSecret(resolved, settingsNames);
}

QString clientOf(const httplib::Request& request)
{
    return printable(fromUtf8(request.remote_addr));
}

// One multipart upload, part by part: each accepted file goes to a temporary file beside its target
// and replaces the target only once all its bytes arrived. A part that is refused is read past.
// What became of each part is known at the end.
class UploadReceiver {
public:
    UploadReceiver(const DocumentStore& store, const std::atomic<bool>& stopping, bool withCode, QStringList settingsNames, QString client)
        : m_store(store)
        , m_stopping(stopping)
        , m_withCode(withCode)
        , m_settingsNames(std::move(settingsNames))
        , m_client(std::move(client))
    {
    }

    bool beginPart(const MultipartReader::Part& part)
    {
        finishPart();
        if (m_stopping.load(std::memory_order_relaxed))
            return false;
        if (part.name.empty() || part.fileName.empty())
            return true;
        Part& current = m_parts.emplace_back();
        current.name = fromUtf8(part.name);
        current.fileName = fromUtf8(part.fileName);
        m_counting = true;
        const auto target = m_store.uploadTarget(current.name, current.fileName);
        if (target.refusal)
            current.refusal = DocumentStore::refusalText(*target.refusal);
        else if (!m_withCode && isSecret(m_store.directory(), DocumentStore::uploadName(current.name, current.fileName), target.path, m_settingsNames))
            current.refusal = secretText;
        if (!current.refusal.isEmpty()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload refused (") + current.refusal + QStringLiteral("): ")
                                              + printable(current.fileName) + QStringLiteral(" from ") + m_client);
            m_counting = false;
            return true;
        }
        QDir().mkpath(QFileInfo(target.path).path());
        m_file = std::make_unique<UploadFile>(target.path, DocumentOrigins(m_store.directory(), DocumentOrigins::homeStoreFile()),
                                              m_withCode ? DocumentOrigin::UploadWithCode : DocumentOrigin::UploadWithoutCode);
        if (!m_file->open()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(current.fileName) + QLatin1Char(' ') + m_file->errorString());
            m_file.reset();
        }
        return true;
    }

    bool data(const char* bytes, qint64 length)
    {
        if (m_stopping.load(std::memory_order_relaxed))
            return false;
        if (m_counting)
            m_parts.back().size += length;
        // A file that cannot be written ends the upload: the rest of the body would go nowhere.
        m_writeFailed = m_file && !m_file->write(bytes, length);
        return !m_writeFailed;
    }

    bool writeFailed() const { return m_writeFailed; }

    // Marks the end of the body: the last part is complete.
    void end() { finishPart(); }

    struct Result {
        int status = 200;
        QString text;
    };
    // The reply, once every file is committed: one line per part that carried a name
    // and a file name; 403 when one was refused, 500 when one could not be written.
    Result result() const
    {
        Result result;
        for (const Part& part : m_parts) {
            if (!part.refusal.isEmpty()) {
                result.text += QStringLiteral("Refused: ") + part.fileName + QStringLiteral(" (") + part.refusal + QStringLiteral(")<br>");
                result.status = std::max(result.status, 403);
            } else if (!part.stored) {
                result.text += QStringLiteral("Failed: ") + part.fileName + QStringLiteral("<br>");
                result.status = 500;
            } else {
                result.text += QStringLiteral("Name: ") + part.name + QStringLiteral(" File name: ") + part.fileName + QStringLiteral(" Size: ")
                               + QString::number(part.size) + QStringLiteral("<br>");
            }
        }
        return result;
    }

    // An upload cut short keeps nothing of its last part.
    void abandon()
    {
        m_file.reset();
        m_counting = false;
    }

private:
    struct Part {
        QString name;
        QString fileName;
        qint64 size = 0;
        QString refusal;
        bool stored = false;
    };

    void finishPart()
    {
        if (!m_counting)
            return;
        m_counting = false;
        if (m_file) {
            Part& part = m_parts.back();
            part.stored = m_file->commit();
            if (!part.stored)
                bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(part.fileName) + QLatin1Char(' ') + m_file->errorString());
        }
        m_file.reset();
    }

    const DocumentStore& m_store;
    const std::atomic<bool>& m_stopping;
    const bool m_withCode;
    const QStringList m_settingsNames;
    const QString m_client;
    std::unique_ptr<UploadFile> m_file;
    std::vector<Part> m_parts;
    bool m_counting = false;
    bool m_writeFailed = false;
};

// Reads into `into` until it is full or the body ends; the bytes read, 0 at the body's end, -1 when
// the connection failed (after what was read, if anything).
qint64 fill(UploadHttpServer::Connection& connection, char* into, qint64 size)
{
    qint64 filled = 0;
    while (filled < size) {
        const qint64 n = connection.readBody(into + filled, size - filled);
        if (n <= 0)
            return filled > 0 ? filled : n;
        filled += n;
    }
    return filled;
}

// At most this many uploads are received at once (each holds a MiB or two); the page sends one
// file after another, so a phone needs one.
constexpr int uploadsAtOnce = 4;

// "Too many connections" once a minute per client at most: a flood must not fill the log.
void logCrowded(const std::string& address)
{
    static std::mutex mutex;
    static QHash<QString, qint64> lastLogged;
    const QString client = UploadAccessGate::clientKey(address);
    const qint64 now = Clock::instance().now().toMSecsSinceEpoch();
    {
        const std::lock_guard lock(mutex);
        const auto it = lastLogged.constFind(client);
        if (it != lastLogged.constEnd() && now >= *it && now - *it < 60 * 1000)
            return;
        if (lastLogged.size() > 4096)
            lastLogged.clear();
        lastLogged.insert(client, now);
    }
    bridgeLog(connectionCategory, QStringLiteral("Too many connections, refused: ") + printable(fromUtf8(address)));
}

}  // namespace

// What the handlers read while the server runs and the settings change.
struct KVServerStarter::Shared {
    std::shared_ptr<UploadAccessGate> gate = std::make_shared<UploadAccessGate>(QString());
    QByteArray kioskKeyDigest;
    mutable std::mutex mutex;
    QStringList settingsNames;

    QStringList names() const
    {
        const std::lock_guard lock(mutex);
        return settingsNames;
    }

    // One of the places for an upload, held while it lives; none when all are taken.
    std::shared_ptr<void> uploadSlot()
    {
        if (uploads.fetch_add(1) >= uploadsAtOnce) {
            --uploads;
            return nullptr;
        }
        return std::shared_ptr<void>(static_cast<void*>(&uploads), [this](void*) { --uploads; });
    }
    std::atomic<int> uploads{0};
};

struct KVServerStarter::Server {
    explicit Server(const ConnectionLimits& limits)
        : http(limits, stopping)
    {
    }
    // Set before the library is stopped, so that uploads in progress end instead of running on.
    std::atomic<bool> stopping{false};
    UploadHttpServer http;
    std::thread listener;
    int port = 0;
};

namespace {

using Connection = UploadHttpServer::Connection;

// The access code's verdict on one request; true when it may go on to the routes.
bool admitted(UploadAccessGate& gate, const QByteArray& kioskKeyDigest, Connection& connection, const httplib::Request& request,
              httplib::Response& response)
{
    const bool reads = request.method == "GET" || request.method == "HEAD";
    const bool document = request.path == "/Documents" || startsWith(request.path, "/Documents/");
    // The kiosk's own window, which shows local pages and their pictures and cannot send the code.
    if (reads && document && connection.isLoopback() && request.has_header(KVServerStarter::kioskKeyHeader)
        && UploadAccessGate::sameCode(kioskKeyDigest, QByteArray::fromStdString(request.get_header_value(KVServerStarter::kioskKeyHeader)))) {
        connection.notes.fromKiosk = true;
        return true;
    }
    if (!UploadAccessGate::needsCode(request.method, request.path))
        return true;
    const bool sent = request.has_header(UploadAccessGate::headerName);
    const QByteArray code = sent ? QByteArray::fromStdString(request.get_header_value(UploadAccessGate::headerName)) : QByteArray();
    const UploadAccessGate::Answer answer
        = gate.check(UploadAccessGate::clientKey(request.remote_addr), sent ? &code : nullptr, Clock::instance().now());
    // What the client asked for, never what it sent as a code.
    const QString asked = fromUtf8(request.method) + QLatin1Char(' ') + printable(fromUtf8(request.path)) + QStringLiteral(" from ")
                          + clientOf(request);
    switch (answer.verdict) {
    case UploadAccessGate::Verdict::Open:
        return true;
    case UploadAccessGate::Verdict::Granted:
        connection.notes.withCode = true;
        return true;
    case UploadAccessGate::Verdict::Missing:
        bridgeLog(connectionCategory, QStringLiteral("Access code missing: ") + asked);
        refuse(response, 401, QStringLiteral("Access code required"));
        response.set_header("WWW-Authenticate", "AccessCode");
        return false;
    case UploadAccessGate::Verdict::Wrong:
        bridgeLog(connectionCategory, QStringLiteral("Wrong access code (%1 in a row, next attempt in %2 s): ")
                                              .arg(answer.failures)
                                              .arg(seconds(answer.wait))
                                          + asked);
        refuse(response, 403, QStringLiteral("Wrong access code"));
        response.set_header("Retry-After", seconds(answer.wait).toStdString());
        return false;
    case UploadAccessGate::Verdict::TooSoon:
        // Not logged one by one: a client that keeps knocking during its wait would fill the log.
        // The pause of everyone is, with who caused it.
        if (!answer.pausedBy.isEmpty())
            bridgeLog(connectionCategory, QStringLiteral("Too many wrong access codes; every client waits. They came from: ") + answer.pausedBy);
        refuse(response, 429, QStringLiteral("Too many wrong access codes; try again later"));
        response.set_header("Retry-After", seconds(answer.wait).toStdString());
        return false;
    }
    return false;
}

// The checks every request passes before routing, in order; true when it may go on.
bool passesChecks(const httplib::Request& request, httplib::Response& response, Connection& connection, qint64 uploadLimit)
{
    if (request.headers.size() > size_t(KVServerStarter::headerCountLimit)) {
        refuse(response, 431, QStringLiteral("Too many headers"));
        return false;
    }
    // A page of another name that resolves to this device (DNS rebinding) names that name here.
    const std::string host = request.get_header_value("Host");
    if (!request.has_header("Host")) {
        refuse(response, 400, QStringLiteral("Host required"));
        return false;
    }
    if (!UploadRequestRules::isOwnHost(host, connection.localAddress(), &UploadRequestRules::thisDevice)) {
        bridgeLog(connectionCategory, QStringLiteral("Refused a request for another host name (") + printable(fromUtf8(host))
                                          + QStringLiteral("): ") + fromUtf8(request.method) + QStringLiteral(" from ") + clientOf(request));
        refuse(response, 421, QStringLiteral("This device does not answer to that name"));
        return false;
    }
    // Plain HTTP to a server that speaks TLS: only the kiosk itself (over loopback) stays plain.
    if (connection.isPlainOnTls() && !connection.isLoopback()) {
        const auto authority = UploadRequestRules::authorityOf(host);
        const bool v6 = authority->host.find(':') != std::string::npos;
        std::string location = "https://" + (v6 ? "[" + authority->host + "]" : authority->host);
        if (authority->port > 0)
            location += ":" + std::to_string(authority->port);
        refuse(response, 301, QStringLiteral("This device answers over HTTPS"));
        response.set_header("Location", location + "/upload");
        return false;
    }
    // Chunked bodies have no length to check before they arrive; browsers never send them here.
    if (request.has_header("Transfer-Encoding")) {
        refuse(response, 411, QStringLiteral("Length required"));
        return false;
    }
    const bool isUpload = (request.method == "POST" || request.method == "PUT") && request.path == "/upload";
    bool lengthIsNumber = false;
    const qint64 length = QByteArray::fromStdString(request.get_header_value("Content-Length")).toLongLong(&lengthIsNumber);
    if (request.has_header("Content-Length") && (!lengthIsNumber || length < 0 || request.get_header_value_count("Content-Length") > 1)) {
        refuse(response, 400, QStringLiteral("Bad request"));
        return false;
    }
    // Refused before a byte of the body is read, rather than read through to the end and dropped.
    if (length > (isUpload ? uploadLimit : KVServerStarter::smallBodyLimit)) {
        refuse(response, 413, QStringLiteral("Request too large"));
        return false;
    }
    // An upload is read to its announced length and no further.
    if (isUpload && !lengthIsNumber) {
        refuse(response, 411, QStringLiteral("Length required"));
        return false;
    }
    if (hasEncodedSeparator(request.target)) {
        bridgeLog(connectionCategory, QStringLiteral("Refused encoded path: ") + printable(fromUtf8(request.path)));
        refuse(response, 400, QStringLiteral("Bad request"));
        return false;
    }
    // Only the server's own page changes anything: a page of another site that posts here (a form,
    // a fetch) names its own origin. Clients that name none (curl, scripts) are not browsers.
    if (request.method != "GET" && request.method != "HEAD") {
        const char* header = request.has_header("Origin") ? "Origin" : request.has_header("Referer") ? "Referer" : nullptr;
        if (header && !UploadRequestRules::isOwnOrigin(request.get_header_value(header), connection.isTls(), host)) {
            bridgeLog(connectionCategory, QStringLiteral("Refused a request from another site (%1 %2): ")
                                                  .arg(QLatin1String(header), printable(fromUtf8(request.get_header_value(header))))
                                              + fromUtf8(request.method) + QLatin1Char(' ') + printable(fromUtf8(request.path))
                                              + QStringLiteral(" from ") + clientOf(request));
            refuse(response, 403, QStringLiteral("Refused: the request came from another site's page"));
            return false;
        }
    }
    return true;
}

}  // namespace

KVServerStarter& KVServerStarter::sharedInstance()
{
    static KVServerStarter starter(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                                   Paths::resourceFile(QStringLiteral("korvel_error.html")));
    return starter;
}

KVServerStarter::KVServerStarter(QString documentsDirectory, QString uploadPage, QString errorPage)
    : m_shared(std::make_shared<Shared>())
    , m_documents(std::move(documentsDirectory))
    , m_uploadPage(std::move(uploadPage))
    , m_errorPage(std::move(errorPage))
{
    m_shared->kioskKeyDigest = UploadAccessGate::digestOf(kioskKey());
}

KVServerStarter::~KVServerStarter()
{
    if (m_server) {
        m_server->stopping = true;
        m_server->http.stop();
        if (m_server->listener.joinable())
            m_server->listener.join();
    }
}

void KVServerStarter::setAccessCode(const QString& code)
{
    m_shared->gate->setCode(code);
}

void KVServerStarter::setSettingsDocumentNames(const QStringList& names)
{
    const std::lock_guard lock(m_shared->mutex);
    m_shared->settingsNames = names;
}

const QByteArray& KVServerStarter::kioskKey()
{
    static const QByteArray key = [] {
        QByteArray bytes(32, Qt::Uninitialized);
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / int(sizeof(quint32)));
        return bytes.toHex();
    }();
    return key;
}

bool KVServerStarter::startServerConnectionWith(int port)
{
    if (m_server) {
        m_server->stopping = true;
        m_server->http.stop();
        if (m_server->listener.joinable())
            m_server->listener.join();
        m_server.reset();
    }
    auto server = std::make_unique<Server>(m_limits);
    UploadHttpServer& http = server->http;
    const QString documents = m_documents;
    const QString uploadPage = m_uploadPage;
    const QString errorPage = m_errorPage;
    const qint64 uploadLimit = m_uploadLimit;
    const std::shared_ptr<Shared> shared = m_shared;
    const std::atomic<bool>* stopping = &server->stopping;

    const auto fail = [port](const QString& reason) {
        const QString message = QStringLiteral("Server Not Statred There will be some Issue please check");
        qCWarning(console).noquote() << QStringLiteral("%1 (port %2%3)").arg(message).arg(port).arg(reason.isEmpty() ? QString() : QStringLiteral(", ") + reason);
        bridgeLog(starterCategory, message);
        if (!reason.isEmpty())
            bridgeLog(starterCategory, reason);
        return false;
    };
    if (m_tls) {
        QString error;
        const std::optional<DeviceCertificate::Identity> identity = DeviceCertificate::loadOrCreate(&error);
        if (!identity || !http.useTls(identity->certificatePem, identity->keyPem, &error))
            return fail(QStringLiteral("No TLS certificate: ") + error);
    }

    http.set_payload_max_length(size_t(smallBodyLimit));
    http.set_default_headers({{"X-Content-Type-Options", "nosniff"}});
    http.onCrowded = logCrowded;
    // The library's default adds SO_REUSEPORT, under which a second server would share a taken port
    // silently; a port in use must fail. One socket serves IPv6 and IPv4.
    http.set_socket_options([](int socket) {
        const int yes = 1;
        const int no = 0;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        setsockopt(socket, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof(no));
    });

    http.set_pre_routing_handler([shared, uploadLimit](const httplib::Request& request, httplib::Response& response) {
        using Result = httplib::Server::HandlerResponse;
        Connection& connection = *UploadHttpServer::current();
        if (!passesChecks(request, response, connection, uploadLimit) || !admitted(*shared->gate, shared->kioskKeyDigest, connection, request, response))
            return Result::Handled;
        if (request.path == "/") {
            response.set_redirect("/upload", 301);
            return Result::Handled;
        }
        return Result::Unhandled;
    });

    // A client that waits for leave to send its body (curl does, for a large one) hears of a
    // refusal before it sends a byte of it.
    http.set_expect_100_continue_handler([shared, uploadLimit](const httplib::Request& request, httplib::Response& response) {
        Connection& connection = *UploadHttpServer::current();
        if (!passesChecks(request, response, connection, uploadLimit) || !admitted(*shared->gate, shared->kioskKeyDigest, connection, request, response))
            return response.status;
        return 100;
    });

    http.Get(R"(/upload(/.*)?)", [uploadPage](const httplib::Request& request, httplib::Response& response) {
        response.status = 404;  // until a file is found; the error handler then redirects
        const std::optional<QString> path = staticFile(uploadPage, {QStringLiteral("index.html")}, requested(request));
        if (!path || !streamFile(*path, response))
            return;
        // The page and its script alone, in no other site's frame.
        response.set_header("Content-Security-Policy",
                            "default-src 'self'; style-src 'self' 'unsafe-inline'; img-src 'self' data:; frame-ancestors 'none'");
        response.set_header("X-Frame-Options", "DENY");
    });
    http.Get(R"(/Documents(/.*)?)", [documents, shared](const httplib::Request& request, httplib::Response& response) {
        response.status = 404;
        const Connection& connection = *UploadHttpServer::current();
        const QString relative = requested(request);
        const std::optional<QString> path = staticFile(documents, {QStringLiteral("index.html"), QStringLiteral("default.html")}, relative);
        if (!path)
            return;
        if (!connection.notes.withCode && isSecret(documents, relative, *path, shared->names())) {
            bridgeLog(connectionCategory, QStringLiteral("Refused (") + secretText + QStringLiteral("): GET ") + printable(relative)
                                              + QStringLiteral(" from ") + clientOf(request));
            reply(response, 403, QStringLiteral("Refused: ") + secretText);
            return;
        }
        if (!streamFile(*path, response))
            return;
        // What a visitor uploaded is handed to other browsers as a file, never run as a page of
        // this origin; the kiosk's own window shows it as the administrator's local site.
        if (!connection.notes.fromKiosk) {
            response.set_header("Content-Disposition", "attachment");
            response.set_header("Content-Security-Policy", "sandbox; default-src 'none'");
        }
    });
    http.Get("/error", [errorPage](const httplib::Request&, httplib::Response& response) {
        QFile file(errorPage);
        if (!file.open(QIODevice::ReadOnly)) {
            reply(response, 404, QStringLiteral("not found"));
            return;
        }
        response.set_content(file.readAll().toStdString(), "text/html; charset=utf-8");
        response.set_header("X-Frame-Options", "DENY");
    });
    http.Post("/upload", [documents, shared, stopping](const httplib::Request& request, httplib::Response& response,
                                                       const httplib::ContentReader&) {
        Connection& connection = *UploadHttpServer::current();
        const std::optional<std::string> boundary = MultipartReader::boundaryOf(request.get_header_value("Content-Type"));
        if (!boundary) {
            refuse(response, 400, QStringLiteral("Expected multipart/form-data"));
            return;
        }
        const auto slot = shared->uploadSlot();
        if (!slot) {
            refuse(response, 503, QStringLiteral("Too many uploads at once; try again"));
            response.set_header("Retry-After", "5");
            return;
        }
        const DocumentStore store(documents);
        MultipartReader reader(*boundary);
        // The body is read into a large window and its parts' bytes written from there: one copy out
        // of the socket, one into the page cache, the boundaries found with memmem on the way. What
        // the reader keeps (a boundary's first bytes, a part's head) moves to the window's start.
        const std::unique_ptr<char[]> window(new char[size_t(UploadFile::pieceSize)]);
        UploadReceiver receiver(store, *stopping, connection.notes.withCode, shared->names(), clientOf(request));
        qint64 kept = 0;
        bool whole = false;
        for (;;) {
            const qint64 read = fill(connection, window.get() + kept, UploadFile::pieceSize - kept);
            const bool atEnd = connection.bodyLeft() == 0;
            if (read < 0 || (read == 0 && !atEnd))
                break;
            const qint64 offered = kept + read;
            const qint64 used = reader.read(
                window.get(), offered, atEnd, [&](const MultipartReader::Part& part) { return receiver.beginPart(part); },
                [&](const char* data, qint64 length) { return receiver.data(data, length); });
            if (reader.finished())
                receiver.end();
            if (used < 0 || reader.finished()) {
                whole = reader.finished();
                break;
            }
            kept = offered - used;
            std::memmove(window.get(), window.get() + used, size_t(kept));
        }
        if (receiver.writeFailed()) {
            receiver.abandon();
            bridgeLog(connectionCategory, QStringLiteral("Upload failed from ") + clientOf(request));
            refuse(response, 500, QStringLiteral("Upload failed"));
            return;
        }
        if (!whole) {
            receiver.abandon();
            const bool cutShort = stopping->load() || connection.bodyLeft() > 0;
            bridgeLog(connectionCategory, (cutShort ? QStringLiteral("Upload cut short from ") : QStringLiteral("Malformed upload from "))
                                              + clientOf(request));
            refuse(response, 400, cutShort ? QStringLiteral("Upload cut short") : QStringLiteral("Malformed multipart body"));
            return;
        }
        // Whatever follows the closing boundary is read past, so the connection can carry on.
        char discard[4096];
        while (connection.bodyLeft() > 0 && connection.readBody(discard, sizeof(discard)) > 0) {
        }
        const UploadReceiver::Result result = receiver.result();
        reply(response, result.status, result.text);
    });
    // The upload page's own route: the body is the file itself, its name and part name come in the
    // query (as a form's file name and part name would), under the same checks. It spares the
    // multipart parsing, and the body is moved from the socket into the file inside the kernel.
    http.Put("/upload", [documents, shared, stopping](const httplib::Request& request, httplib::Response& response,
                                                      const httplib::ContentReader&) {
        Connection& connection = *UploadHttpServer::current();
        const QString part = request.has_param("part") ? fromUtf8(request.get_param_value("part")) : QStringLiteral("file");
        const QString fileName = fromUtf8(request.get_param_value("name"));
        const auto target = DocumentStore(documents).uploadTarget(part, fileName);
        QString refusal;
        if (target.refusal)
            refusal = DocumentStore::refusalText(*target.refusal);
        else if (!connection.notes.withCode && isSecret(documents, DocumentStore::uploadName(part, fileName), target.path, shared->names()))
            refusal = secretText;
        if (!refusal.isEmpty()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload refused (") + refusal + QStringLiteral("): ") + printable(fileName)
                                              + QStringLiteral(" from ") + clientOf(request));
            refuse(response, 403, QStringLiteral("Upload refused: ") + refusal);
            return;
        }
        const auto slot = shared->uploadSlot();
        if (!slot) {
            refuse(response, 503, QStringLiteral("Too many uploads at once; try again"));
            response.set_header("Retry-After", "5");
            return;
        }
        QDir().mkpath(QFileInfo(target.path).path());
        UploadFile file(target.path, DocumentOrigins(documents, DocumentOrigins::homeStoreFile()),
                        connection.notes.withCode ? DocumentOrigin::UploadWithCode : DocumentOrigin::UploadWithoutCode);
        if (!file.open()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(fileName) + QLatin1Char(' ') + file.errorString());
            refuse(response, 500, QStringLiteral("Upload failed"));
            return;
        }
        const qint64 length = connection.bodyLeft();
        qint64 received = 0;
        bool writeFailed = false;
        std::unique_ptr<char[]> buffer(new char[size_t(UploadFile::pieceSize)]);
        // What came with the head, then the socket's bytes: moved inside the kernel where no TLS
        // lies between, else read and written.
        for (qint64 n = connection.takeReadAhead(buffer.get(), UploadFile::pieceSize); n > 0 && !writeFailed;
             n = connection.takeReadAhead(buffer.get(), UploadFile::pieceSize)) {
            writeFailed = !file.write(buffer.get(), n);
            received += n;
        }
        if (!writeFailed && received < length && connection.canSplice()) {
            const int descriptor = file.appendingDescriptor();
            const Connection::Moved moved = descriptor < 0 ? Connection::Moved::FileFailed
                                                           : connection.spliceBody(descriptor, length - received, [&](qint64 n) {
                                                                 file.appended(n);
                                                                 received += n;
                                                             });
            writeFailed = moved == Connection::Moved::FileFailed;
        }
        while (!writeFailed && received < length && !connection.canSplice()) {
            const qint64 n = fill(connection, buffer.get(), UploadFile::pieceSize);
            if (n <= 0)
                break;
            writeFailed = !file.write(buffer.get(), n);
            received += n;
        }
        if (received != length && !writeFailed) {
            bridgeLog(connectionCategory, QStringLiteral("Upload cut short: ") + printable(fileName));
            refuse(response, 400, QStringLiteral("Upload cut short"));
            return;
        }
        if (writeFailed || !file.commit()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(fileName) + QLatin1Char(' ') + file.errorString());
            refuse(response, 500, QStringLiteral("Upload failed"));
            return;
        }
        reply(response, 200, QStringLiteral("Name: ") + part + QStringLiteral(" File name: ") + fileName + QStringLiteral(" Size: ")
                                 + QString::number(received) + QStringLiteral("<br>"));
    });
    http.Delete("/Delete/", [documents, shared](const httplib::Request& request, httplib::Response& response) {
        const Connection& connection = *UploadHttpServer::current();
        const QString name = request.has_param("name") ? fromUtf8(request.get_param_value("name"))
                                                       : QUrl::fromPercentEncoding(QByteArray::fromStdString(request.body));
        if (!connection.notes.withCode && !name.isEmpty() && DocumentStore::holdsSecret(name, shared->names())) {
            bridgeLog(connectionCategory, QStringLiteral("file Delete Failed ") + secretText + QStringLiteral(": ") + printable(name)
                                              + QStringLiteral(" from ") + clientOf(request));
            reply(response, 403, QStringLiteral("file Delete Failed ") + secretText);
            return;
        }
        const DocumentStore::Deletion deletion = DocumentStore(documents).deleteNamed(name);
        if (deletion.outcome != QLatin1String("No File"))
            bridgeLog(connectionCategory, deletion.refused ? deletion.outcome + QStringLiteral(": ") + printable(name) : deletion.outcome);
        const bool done = deletion.outcome == QLatin1String("file Delete Success");
        const int status = done ? 200 : deletion.outcome == QLatin1String("No File") ? 400 : deletion.refused ? 403 : deletion.missing ? 404 : 500;
        reply(response, status, deletion.outcome);
    });
    http.Get("/files", [documents, shared](const httplib::Request&, httplib::Response& response) {
        bridgeLog(connectionCategory, QStringLiteral(" load File List Start"));
        const bool withCode = UploadHttpServer::current()->notes.withCode;
        const QStringList settingsNames = shared->names();
        QStringList shown;
        int hidden = 0;
        for (const QString& name : DocumentStore(documents).names()) {
            if (!withCode && DocumentStore::holdsSecret(name, settingsNames))
                ++hidden;
            else
                shown.append(name);
        }
        reply(response, 200, DocumentStore::fileList(shown));
        response.set_header(hiddenFilesHeader, std::to_string(hidden));
        response.set_header("Cache-Control", "no-store");
    });
    // Whatever no route serves (or a file that is not there) sends the visitor to the error page.
    http.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request& request, httplib::Response& response) {
        // A handler's own 404 with its text (a file to delete that is not there) stands.
        if (response.status != 404 || request.path == "/error" || !response.body.empty())
            return httplib::Server::HandlerResponse::Unhandled;
        response.set_redirect("/error", 302);
        return httplib::Server::HandlerResponse::Handled;
    }));

    // "::" takes IPv4 too; a host without IPv6 falls back to IPv4 alone.
    int bound = port == 0 ? http.bind_to_any_port("::") : (http.bind_to_port("::", port) ? port : -1);
    if (bound < 0)
        bound = port == 0 ? http.bind_to_any_port("0.0.0.0") : (http.bind_to_port("0.0.0.0", port) ? port : -1);
    if (bound <= 0)
        return fail({});
    http.widenBacklog();
    server->port = bound;
    std::promise<void> listening;
    std::future<void> ready = listening.get_future();
    server->listener = std::thread([&http, &listening] {
        // Connection work yields to the kiosk's own; the connections' threads inherit this from here.
        setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), 10);
        listening.set_value();
        http.listen_after_bind();
    });
    ready.wait();
    while (!http.is_running())
        std::this_thread::yield();
    m_server = std::move(server);
    bridgeLog(starterCategory, QStringLiteral("Started HTTP Server on port: ") + QString::number(bound));
    return true;
}

void KVServerStarter::stopServerConnection()
{
    if (!m_server)
        return;
    m_server->stopping = true;
    m_server->http.stop();
    if (m_server->listener.joinable())
        m_server->listener.join();
    m_server.reset();
    bridgeLog(starterCategory, QStringLiteral("stop Server Connection"));
}

bool KVServerStarter::isServerRunning() const
{
    return m_server && m_server->http.is_running();
}

int KVServerStarter::getPortNumber() const
{
    return isServerRunning() ? m_server->port : 0;
}

bool KVServerStarter::isServingTls() const
{
    return isServerRunning() && m_server->http.usesTls();
}

std::optional<LocalServerAddress> KVServerStarter::localServerAddress(const KVBrowserPrefSettings& preferences) const
{
    if (!preferences.serverSwitchOnOFF)
        return std::nullopt;
    LocalServerAddress address;
    address.port = isServerRunning() ? getPortNumber() : preferences.port;
    return address;
}

}  // namespace korvel
