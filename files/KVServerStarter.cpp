#include "files/KVServerStarter.h"

#include "files/ConnectionSocket.h"
#include "files/DocumentStore.h"
#include "files/UploadAccessGate.h"
#include "files/UploadFile.h"
#include "log/KVLogger.h"
#include "platform/Clock.h"
#include "platform/FormatString.h"
#include "platform/Paths.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

#include <httplib.h>

#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <atomic>
#include <cstdio>
#include <future>
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

// A file of `directory` named by the rest of the request path, or its default document; confined
// to the directory (symbolic links included). Streams the file rather than reading it whole.
void serveStatic(const QString& directory, const QStringList& defaultDocuments, const httplib::Request& request,
                 httplib::Response& response)
{
    response.status = 404;  // until a file is found; the error handler then redirects
    const QString rest = fromUtf8(request.matches.size() > 1 ? request.matches[1].str() : std::string());
    const QString relative = rest.mid(rest.startsWith(QLatin1Char('/')) ? 1 : 0);
    const DocumentStore store(directory);
    QString path;
    if (relative.isEmpty() || relative.endsWith(QLatin1Char('/'))) {
        for (const QString& document : defaultDocuments) {
            const auto checked = store.checkedPath(relative + document, DocumentStore::LastLink::Follow);
            if (!checked.refusal && QFileInfo(checked.path).isFile()) {
                path = checked.path;
                break;
            }
        }
    } else {
        const auto checked = store.checkedPath(relative, DocumentStore::LastLink::Follow);
        if (checked.refusal) {
            bridgeLog(connectionCategory, QStringLiteral("Refused file request: ") + printable(relative));
            return;  // not found: the error handler sends the visitor to "/error"
        }
        if (QFileInfo(checked.path).isDir()) {
            for (const QString& document : defaultDocuments) {
                if (QFileInfo(checked.path + QLatin1Char('/') + document).isFile()) {
                    path = checked.path + QLatin1Char('/') + document;
                    break;
                }
            }
        } else {
            path = checked.path;
        }
    }
    auto file = std::make_shared<QFile>(path);
    if (path.isEmpty() || !QFileInfo(path).isFile() || !file->open(QIODevice::ReadOnly))
        return;
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
}

// One multipart upload, part by part: each accepted file goes to a temporary file beside its target
// and replaces the target only once all its bytes arrived.
class UploadReceiver {
public:
    UploadReceiver(const DocumentStore& store, const std::atomic<bool>& stopping)
        : m_store(store)
        , m_stopping(stopping)
    {
    }
    ~UploadReceiver() { finishPart(); }

    bool beginPart(const httplib::MultipartFormData& part)
    {
        finishPart();
        if (m_stopping.load(std::memory_order_relaxed))
            return false;
        if (part.name.empty() || part.filename.empty())
            return true;
        m_partName = fromUtf8(part.name);
        m_fileName = fromUtf8(part.filename);
        m_counting = true;
        m_size = 0;
        const auto target = m_store.uploadTarget(m_partName, m_fileName);
        if (target.refusal) {
            bridgeLog(connectionCategory, QStringLiteral("Upload refused (") + DocumentStore::refusalText(*target.refusal)
                                              + QStringLiteral("): ") + printable(m_fileName));
            return true;
        }
        QDir().mkpath(QFileInfo(target.path).path());
        m_file = std::make_unique<UploadFile>(target.path);
        if (!m_file->open()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(m_fileName) + QLatin1Char(' ') + m_file->errorString());
            m_file.reset();
        }
        return true;
    }

    bool data(const char* bytes, size_t length)
    {
        if (m_stopping.load(std::memory_order_relaxed))
            return false;
        m_size += qint64(length);
        if (m_file && !m_file->write(bytes, qint64(length))) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(m_fileName) + QLatin1Char(' ') + m_file->errorString());
            m_file.reset();
        }
        return true;
    }

    // The reply text of the parts that carried a name and a file name.
    QString finish()
    {
        finishPart();
        return m_text;
    }

    // An upload cut short keeps nothing of its last part.
    void abandon()
    {
        m_file.reset();
        m_counting = false;
    }

private:
    void finishPart()
    {
        if (!m_counting)
            return;
        m_counting = false;
        m_text += QStringLiteral("Name: ") + m_partName + QStringLiteral(" File name: ") + m_fileName + QStringLiteral(" Size: ")
                  + QString::number(m_size) + QStringLiteral("<br>");
        if (m_file && !m_file->commit())
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(m_fileName) + QLatin1Char(' ') + m_file->errorString());
        m_file.reset();
    }

    const DocumentStore& m_store;
    const std::atomic<bool>& m_stopping;
    std::unique_ptr<UploadFile> m_file;
    QString m_partName;
    QString m_fileName;
    qint64 m_size = 0;
    bool m_counting = false;
    QString m_text;
};

// A refusal that leaves a request's body unread: the connection must not be read on as if the
// next request began there.
void refuse(httplib::Response& response, int status, const QString& text)
{
    reply(response, status, text);
    response.set_header("Connection", "close");
}

QString seconds(std::chrono::milliseconds wait)
{
    return QString::number((wait.count() + 999) / 1000);
}

// The access code's verdict on one request; true when it may go on to the routes.
bool admitted(UploadAccessGate& gate, const httplib::Request& request, httplib::Response& response)
{
    const UploadAccessGate::Origin origin = UploadAccessGate::originOf(request.remote_addr);
    if (gate.isOpen() || !UploadAccessGate::needsCode(request.method, request.path, origin))
        return true;
    const bool sent = request.has_header(UploadAccessGate::headerName);
    const QByteArray code = sent ? QByteArray::fromStdString(request.get_header_value(UploadAccessGate::headerName)) : QByteArray();
    const UploadAccessGate::Answer answer
        = gate.check(UploadAccessGate::clientKey(request.remote_addr), sent ? &code : nullptr, Clock::instance().now());
    // What the client asked for, never what it sent as a code.
    const QString asked = fromUtf8(request.method) + QLatin1Char(' ') + printable(fromUtf8(request.path)) + QStringLiteral(" from ")
                          + printable(fromUtf8(request.remote_addr));
    switch (answer.verdict) {
    case UploadAccessGate::Verdict::Open:
    case UploadAccessGate::Verdict::Granted:
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
        // Not logged: a client that keeps knocking during its wait would fill the log.
        refuse(response, 429, QStringLiteral("Too many wrong access codes; try again later"));
        response.set_header("Retry-After", seconds(answer.wait).toStdString());
        return false;
    }
    return false;
}

// A raw upload's body past what the library read with the headers is read from the socket itself
// once this much is still to come.
constexpr qint64 takeOverFrom = UploadFile::pieceSize;

}  // namespace

struct KVServerStarter::Server {
    httplib::Server http;
    std::thread listener;
    int port = 0;
    // Set before the library is stopped, so that uploads in progress end instead of running on.
    std::atomic<bool> stopping{false};
};

KVServerStarter& KVServerStarter::sharedInstance()
{
    static KVServerStarter starter(Paths::documentsDirectory(), Paths::resourceFile(QStringLiteral("upload")),
                                   Paths::resourceFile(QStringLiteral("korvel_error.html")));
    return starter;
}

KVServerStarter::KVServerStarter(QString documentsDirectory, QString uploadPage, QString errorPage)
    : m_documents(std::move(documentsDirectory))
    , m_uploadPage(std::move(uploadPage))
    , m_errorPage(std::move(errorPage))
{
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

bool KVServerStarter::startServerConnectionWith(int port)
{
    if (m_server) {
        m_server->stopping = true;
        m_server->http.stop();
        if (m_server->listener.joinable())
            m_server->listener.join();
        m_server.reset();
    }
    auto server = std::make_unique<Server>();
    httplib::Server& http = server->http;
    const QString documents = m_documents;
    const QString uploadPage = m_uploadPage;
    const QString errorPage = m_errorPage;
    const qint64 uploadLimit = m_uploadLimit;
    const auto gate = std::make_shared<UploadAccessGate>(m_accessCode);
    const std::atomic<bool>* stopping = &server->stopping;

    http.set_read_timeout(readTimeoutSeconds);
    http.set_write_timeout(readTimeoutSeconds);
    http.set_keep_alive_timeout(5);
    http.set_payload_max_length(size_t(uploadLimit));
    // The library's default adds SO_REUSEPORT, under which a second server would share a taken port
    // silently; a port in use must fail. One socket serves IPv6 and IPv4.
    http.set_socket_options([](int socket) {
        const int yes = 1;
        const int no = 0;
        setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof(yes));
        setsockopt(socket, IPPROTO_IPV6, IPV6_V6ONLY, &no, sizeof(no));
    });

    http.set_pre_routing_handler([gate, uploadLimit](const httplib::Request& request, httplib::Response& response) {
        using Result = httplib::Server::HandlerResponse;
        if (request.headers.size() > size_t(headerCountLimit)) {
            reply(response, 431, QStringLiteral("Too many headers"));
            return Result::Handled;
        }
        // Chunked bodies have no length to check before they arrive; browsers never send them here.
        if (request.has_header("Transfer-Encoding")) {
            reply(response, 411, QStringLiteral("Length required"));
            return Result::Handled;
        }
        const bool isUpload = (request.method == "POST" || request.method == "PUT") && request.path == "/upload";
        bool lengthIsNumber = false;
        const qint64 length = QByteArray::fromStdString(request.get_header_value("Content-Length")).toLongLong(&lengthIsNumber);
        // Refused before a byte of the body is read, rather than read through to the end and dropped.
        if (length > (isUpload ? uploadLimit : smallBodyLimit)) {
            refuse(response, 413, QStringLiteral("Request too large"));
            return Result::Handled;
        }
        // A raw upload is read to its announced length and no further.
        if (request.method == "PUT" && request.path == "/upload" && (!lengthIsNumber || length < 0)) {
            refuse(response, 411, QStringLiteral("Length required"));
            return Result::Handled;
        }
        if (hasEncodedSeparator(request.target)) {
            bridgeLog(connectionCategory, QStringLiteral("Refused encoded path: ") + printable(fromUtf8(request.path)));
            reply(response, 400, QStringLiteral("Bad request"));
            return Result::Handled;
        }
        if (!admitted(*gate, request, response))
            return Result::Handled;
        if (request.path == "/") {
            response.set_redirect("/upload", 301);
            return Result::Handled;
        }
        return Result::Unhandled;
    });

    http.Get(R"(/upload(/.*)?)", [uploadPage](const httplib::Request& request, httplib::Response& response) {
        serveStatic(uploadPage, {QStringLiteral("index.html")}, request, response);
    });
    http.Get(R"(/Documents(/.*)?)", [documents](const httplib::Request& request, httplib::Response& response) {
        serveStatic(documents, {QStringLiteral("index.html"), QStringLiteral("default.html")}, request, response);
    });
    http.Get("/error", [errorPage](const httplib::Request&, httplib::Response& response) {
        QFile file(errorPage);
        if (!file.open(QIODevice::ReadOnly)) {
            reply(response, 404, QStringLiteral("not found"));
            return;
        }
        response.set_content(file.readAll().toStdString(), "text/html; charset=utf-8");
    });
    http.Post("/upload", [documents, stopping](const httplib::Request& request, httplib::Response& response,
                                               const httplib::ContentReader& reader) {
        if (!request.is_multipart_form_data()) {
            reply(response, 400, QStringLiteral("Expected multipart/form-data"));
            return;
        }
        const DocumentStore store(documents);
        UploadReceiver receiver(store, *stopping);
        const bool complete = reader([&](const httplib::MultipartFormData& part) { return receiver.beginPart(part); },
                                     [&](const char* data, size_t length) { return receiver.data(data, length); });
        if (!complete) {
            receiver.abandon();
            bridgeLog(connectionCategory, QStringLiteral("Upload cut short"));
            return;
        }
        reply(response, 200, receiver.finish());
    });
    // The upload page's own route: the body is the file itself, its name and part name come in the
    // query (as a form's file name and part name would), under the same checks. It spares the
    // multipart parsing, and a large body is read from the socket in large pieces.
    http.Put("/upload", [documents, stopping](const httplib::Request& request, httplib::Response& response,
                                              const httplib::ContentReader& reader) {
        const QString part = request.has_param("part") ? fromUtf8(request.get_param_value("part")) : QStringLiteral("file");
        const QString fileName = fromUtf8(request.get_param_value("name"));
        const auto target = DocumentStore(documents).uploadTarget(part, fileName);
        if (target.refusal) {
            const QString reason = DocumentStore::refusalText(*target.refusal);
            bridgeLog(connectionCategory, QStringLiteral("Upload refused (") + reason + QStringLiteral("): ") + printable(fileName));
            refuse(response, 403, QStringLiteral("Upload refused: ") + reason);
            return;
        }
        QDir().mkpath(QFileInfo(target.path).path());
        UploadFile file(target.path);
        if (!file.open()) {
            bridgeLog(connectionCategory, QStringLiteral("Upload failed: ") + printable(fileName) + QLatin1Char(' ') + file.errorString());
            refuse(response, 500, QStringLiteral("Upload failed"));
            return;
        }
        const qint64 length = QByteArray::fromStdString(request.get_header_value("Content-Length")).toLongLong();
        qint64 received = 0;
        bool writeFailed = false;
        const auto keep = [&](const char* data, qint64 size) {
            writeFailed = !file.write(data, size);
            received += size;
            return !writeFailed;
        };
        std::optional<ConnectionSocket::Outcome> direct;
        const bool readByLibrary = reader([&](const char* data, size_t size) {
            if (stopping->load(std::memory_order_relaxed) || !keep(data, qint64(size)))
                return false;
            // The library has now handed over all it read along with the headers; whatever is
            // still to come is on the socket.
            if (!direct && length - received >= takeOverFrom) {
                if (const auto socket = ConnectionSocket::find(request.local_addr, request.local_port, request.remote_addr,
                                                               request.remote_port)) {
                    const std::chrono::seconds idle(readTimeoutSeconds);
                    const int descriptor = file.appendingDescriptor();
                    direct = descriptor < 0 ? ConnectionSocket::Outcome::Refused
                                            : ConnectionSocket::spliceInto(descriptor, *socket, length - received, idle, *stopping,
                                                                           [&](qint64 size) {
                                                                               file.appended(size);
                                                                               received += size;
                                                                           });
                    if (*direct == ConnectionSocket::Outcome::Unsupported)
                        direct = ConnectionSocket::receive(*socket, length - received, UploadFile::pieceSize, idle, *stopping, keep);
                    writeFailed = writeFailed || *direct == ConnectionSocket::Outcome::Refused;
                    return false;  // ends the library's reading; the body has been read
                }
            }
            return true;
        });
        const bool whole = (direct ? *direct == ConnectionSocket::Outcome::Complete : readByLibrary) && received == length;
        if (!whole && !writeFailed) {
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
    http.Delete("/Delete/", [documents](const httplib::Request& request, httplib::Response& response) {
        const QString name = request.has_param("name") ? fromUtf8(request.get_param_value("name"))
                                                 : QUrl::fromPercentEncoding(QByteArray::fromStdString(request.body));
        const DocumentStore::Deletion deletion = DocumentStore(documents).deleteNamed(name);
        if (deletion.outcome != QLatin1String("No File"))
            bridgeLog(connectionCategory, deletion.refused ? deletion.outcome + QStringLiteral(": ") + printable(name) : deletion.outcome);
        reply(response, 200, deletion.outcome);
    });
    http.Get("/files", [documents](const httplib::Request&, httplib::Response& response) {
        bridgeLog(connectionCategory, QStringLiteral(" load File List Start"));
        reply(response, 200, DocumentStore(documents).fileList());
    });
    // Whatever no route serves (or a file that is not there) sends the visitor to the error page.
    http.set_error_handler(httplib::Server::HandlerWithResponse([](const httplib::Request& request, httplib::Response& response) {
        if (response.status != 404 || request.path == "/error")
            return httplib::Server::HandlerResponse::Unhandled;
        response.set_redirect("/error", 302);
        return httplib::Server::HandlerResponse::Handled;
    }));

    // "::" takes IPv4 too; a host without IPv6 falls back to IPv4 alone.
    int bound = port == 0 ? http.bind_to_any_port("::") : (http.bind_to_port("::", port) ? port : -1);
    if (bound < 0)
        bound = port == 0 ? http.bind_to_any_port("0.0.0.0") : (http.bind_to_port("0.0.0.0", port) ? port : -1);
    if (bound <= 0) {
        const QString message = QStringLiteral("Server Not Statred There will be some Issue please check");
        std::fprintf(stderr, "%s (port %d)\n", qPrintable(message), port);
        bridgeLog(starterCategory, message);
        return false;
    }
    server->port = bound;
    std::promise<void> listening;
    std::future<void> ready = listening.get_future();
    server->listener = std::thread([&http, &listening] {
        // Connection work yields to the kiosk's own; the pool's threads inherit this from here.
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

std::optional<LocalServerAddress> KVServerStarter::localServerAddress(const KVBrowserPrefSettings& preferences) const
{
    if (!preferences.serverSwitchOnOFF)
        return std::nullopt;
    LocalServerAddress address;
    address.port = isServerRunning() ? getPortNumber() : preferences.port;
    return address;
}

}  // namespace korvel
