#pragma once

#include <QString>

#include <httplib.h>

#include <thread>

namespace korvel::test {

// A real HTTP server on 127.0.0.1 for one test, where no web engine is involved: routes go on
// http() before start(); it is stopped and its thread joined when it goes, also when an assertion
// ends the test early. Declare it after what its handlers use, so that it goes first.
class ScopedHttpServer {
public:
    ScopedHttpServer() = default;
    ScopedHttpServer(const ScopedHttpServer&) = delete;
    ScopedHttpServer& operator=(const ScopedHttpServer&) = delete;
    ~ScopedHttpServer() { stop(); }

    httplib::Server& http() { return m_http; }

    // Binds a free port and listens on it; false when no port could be bound.
    bool start()
    {
        m_port = m_http.bind_to_any_port("127.0.0.1");
        if (m_port <= 0)
            return false;
        m_thread = std::thread([this] { m_http.listen_after_bind(); });
        return true;
    }
    void stop()
    {
        if (!m_thread.joinable())
            return;
        m_http.stop();
        m_thread.join();
    }

    int port() const { return m_port; }
    // "http://127.0.0.1:PORT/PATH"
    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

private:
    httplib::Server m_http;
    std::thread m_thread;
    int m_port = 0;
};

}  // namespace korvel::test
