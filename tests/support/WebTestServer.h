#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <atomic>
#include <memory>
#include <mutex>

namespace httplib {
class Server;
}

namespace korvel::test {

// A real HTTP server on 127.0.0.1 for the web-engine tests. Test host names (allowed.test,
// blocked.test, ...) resolve to it through the engine's host-resolver rules; pages are registered
// per path, and every request is recorded so a test can tell that a refused address never arrived.
class WebTestServer {
public:
    struct Request {
        QString host;  // the Host header without the port
        QString path;
        QString userAgent;
        QString authorization;
        QString method;
    };
    struct Page {
        QByteArray body;
        QByteArray mimeType = "text/html";
        int status = 200;
        // When set, requests without this Authorization header get 401 and a Basic challenge.
        QByteArray requiredAuthorization;
        QByteArray contentDisposition;
        QByteArray location;  // sent as the Location header (with a 3xx status: a redirect)
        // Stalled sends half the body and then nothing until releaseStalled() (or 20 s), then
        // drops the connection.
        // Unsized: sent in chunks without announcing its length.
        enum class Delivery { Whole, Stalled, Unsized } delivery = Delivery::Whole;
    };

    // The server shared by a test program, started before the engine so that its port can go into
    // the engine's command line.
    static WebTestServer& shared();

    int port() const { return m_port; }
    // The same pages over HTTPS with a self-signed certificate (no browser trusts it); 0 when no
    // certificate could be made.
    int httpsPort() const { return m_httpsPort; }
    // "http://HOST:PORT/PATH"
    QString url(const QString& host, const QString& path = QStringLiteral("/")) const;

    void setPage(const QString& path, const Page& page);
    void setPage(const QString& path, const QByteArray& html)
    {
        Page page;
        page.body = html;
        setPage(path, page);
    }
    QList<Request> requests() const;
    bool sawHost(const QString& host) const;
    void clearRequests();
    void releaseStalled() { m_released = true; }

    ~WebTestServer();

private:
    WebTestServer();

    void serve(httplib::Server& server);

    std::unique_ptr<httplib::Server> m_server;
    std::unique_ptr<httplib::Server> m_httpsServer;
    int m_port = 0;
    int m_httpsPort = 0;
    mutable std::mutex m_mutex;
    std::atomic<bool> m_released{false};
    QMap<QString, Page> m_pages;
    QList<Request> m_requests;
};

// The engine's flags for the tests: test hosts on the server, no sandbox (tests run as root).
QByteArray webTestChromiumFlags(int port);

}  // namespace korvel::test
