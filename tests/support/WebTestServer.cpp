#include "tests/support/WebTestServer.h"

#include <QProcess>
#include <QTemporaryDir>

#include <httplib.h>

#include <chrono>
#include <thread>

namespace korvel::test {

WebTestServer& WebTestServer::shared()
{
    static WebTestServer server;
    return server;
}

WebTestServer::WebTestServer()
    : m_server(std::make_unique<httplib::Server>())
{
    serve(*m_server);
    m_port = m_server->bind_to_any_port("127.0.0.1");
    std::thread([server = m_server.get()] { server->listen_after_bind(); }).detach();
    while (!m_server->is_running())
        std::this_thread::yield();

    // A throw-away certificate for the HTTPS twin.
    static QTemporaryDir keys;
    const QString cert = keys.filePath(QStringLiteral("cert.pem"));
    const QString key = keys.filePath(QStringLiteral("key.pem"));
    const int made = QProcess::execute(QStringLiteral("openssl"),
                                       {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                                        QStringLiteral("-nodes"), QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert,
                                        QStringLiteral("-days"), QStringLiteral("1"), QStringLiteral("-subj"), QStringLiteral("/CN=secure.test")});
    if (made != 0)
        return;
    auto secure = std::make_unique<httplib::SSLServer>(cert.toUtf8().constData(), key.toUtf8().constData());
    if (!secure->is_valid())
        return;
    serve(*secure);
    m_httpsPort = secure->bind_to_any_port("127.0.0.1");
    std::thread([server = secure.get()] { server->listen_after_bind(); }).detach();
    while (!secure->is_running())
        std::this_thread::yield();
    m_httpsServer = std::move(secure);
}

void WebTestServer::serve(httplib::Server& server)
{
    const auto answer = [this](const httplib::Request& request, httplib::Response& response) {
        Request seen;
        seen.host = QString::fromStdString(request.get_header_value("Host")).section(QLatin1Char(':'), 0, 0);
        seen.path = QString::fromStdString(request.path);
        seen.userAgent = QString::fromStdString(request.get_header_value("User-Agent"));
        seen.authorization = QString::fromStdString(request.get_header_value("Authorization"));
        seen.method = QString::fromStdString(request.method);
        std::lock_guard<std::mutex> lock(m_mutex);
        m_requests.append(seen);
        const auto page = m_pages.constFind(seen.path);
        if (page == m_pages.constEnd()) {
            response.status = 404;
            response.set_content("<html><body>not found</body></html>", "text/html");
            return;
        }
        if (!page->requiredAuthorization.isEmpty() && seen.authorization.toUtf8() != page->requiredAuthorization) {
            response.status = 401;
            response.set_header("WWW-Authenticate", "Basic realm=\"kiosk\"");
            response.set_content("<html><body>who are you</body></html>", "text/html");
            return;
        }
        response.status = page->status;
        if (!page->contentDisposition.isEmpty())
            response.set_header("Content-Disposition", page->contentDisposition.toStdString());
        if (!page->location.isEmpty())
            response.set_header("Location", page->location.toStdString());
        if (page->delivery == Page::Delivery::Whole) {
            response.set_content(page->body.toStdString(), page->mimeType.toStdString());
            return;
        }
        if (page->delivery == Page::Delivery::Unsized) {
            response.set_chunked_content_provider(page->mimeType.toStdString(),
                                                  [body = page->body.toStdString()](size_t offset, httplib::DataSink& sink) {
                                                      if (offset >= body.size()) {
                                                          sink.done();
                                                          return true;
                                                      }
                                                      return sink.write(body.data() + offset, std::min<size_t>(64 * 1024, body.size() - offset));
                                                  });
            return;
        }
        m_released = false;
        response.set_content_provider(size_t(page->body.size()), page->mimeType.toStdString(),
                                      [this, body = page->body.toStdString()](size_t offset, size_t, httplib::DataSink& sink) {
                                          if (offset == 0)
                                              return sink.write(body.data(), body.size() / 2);
                                          for (int i = 0; !m_released && i < 2000; ++i)
                                              std::this_thread::sleep_for(std::chrono::milliseconds(10));
                                          return false;
                                      });
    };
    // Posts are recorded too: a form sent where it must not go shows as a request.
    server.Get(".*", answer);
    server.Post(".*", answer);
}

WebTestServer::~WebTestServer()
{
    m_server->stop();
    if (m_httpsServer)
        m_httpsServer->stop();
}

QString WebTestServer::url(const QString& host, const QString& path) const
{
    return QStringLiteral("http://%1:%2%3").arg(host).arg(m_port).arg(path);
}

void WebTestServer::setPage(const QString& path, const Page& page)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_pages.insert(path, page);
}

QList<WebTestServer::Request> WebTestServer::requests() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_requests;
}

bool WebTestServer::sawHost(const QString& host) const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    for (const Request& r : m_requests) {
        if (r.host == host)
            return true;
    }
    return false;
}

void WebTestServer::clearRequests()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_requests.clear();
}

QByteArray webTestChromiumFlags(int port)
{
    Q_UNUSED(port);
    // Every *.test host is this machine; anything else does not resolve, which is what the
    // unknown-host tests need. The loopback address itself stays reachable: the device's own upload
    // server answers only to its own addresses and names.
    return QByteArrayLiteral("--no-sandbox --disable-gpu --host-resolver-rules=\"MAP *.test 127.0.0.1, MAP * ~NOTFOUND, EXCLUDE 127.0.0.1\"");
}

}  // namespace korvel::test
