#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include <httplib.h>

#include <thread>

namespace korvel::bench {

// A solid colour no blank or half-loaded view shows, so one pixel tells that the page was painted.
inline const QColor pageColour(0x2a, 0x7f, 0xd4);
inline const QByteArray page = QByteArrayLiteral(
    "<html><head><title>Start</title><style>html,body{margin:0;height:100%;background:#2a7fd4}</style></head>"
    "<body><p style='color:#fff;margin:0;padding:20px'>Start</p></body></html>");

// The page over real HTTP on 127.0.0.1, as a site would come. Never cached, so every round fetches
// it whatever the engine's profile keeps.
class PageServer {
public:
    PageServer()
    {
        m_server.Get("/", [](const httplib::Request&, httplib::Response& response) {
            response.set_header("Cache-Control", "no-store");
            response.set_content(page.toStdString(), "text/html");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::yield();
    }
    ~PageServer()
    {
        m_server.stop();
        m_thread.join();
    }
    // *.test reaches this machine through the engine's host-resolver rules.
    QString url() const { return QStringLiteral("http://allowed.test:%1/").arg(m_port); }

private:
    httplib::Server m_server;
    std::thread m_thread;
    int m_port = 0;
};

}  // namespace korvel::bench
