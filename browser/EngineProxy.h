#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace korvel {

// The proxy the web engine sends a page's requests through, read from its "--proxy-server" switch
// (the program's arguments and QTWEBENGINE_CHROMIUM_FLAGS; the last one given counts, as in the
// engine). A knock at a failed page's host must take the same road as the engine: behind a proxy
// the host may not even resolve from the kiosk.
struct EngineProxy {
    enum class Type { Http, Socks5 };
    Type type = Type::Http;
    QString host;
    quint16 port = 0;

    // The proxy for addresses of `scheme` ("http", "https"): none when the engine connects
    // directly or the switch names a kind of proxy a plain socket cannot go through (an HTTPS or
    // SOCKS4 proxy, a PAC script); `understood` is then false for the latter.
    static std::optional<EngineProxy> forScheme(const QStringList& switches, const QString& scheme, bool* understood = nullptr);
    // The switches of this process: its arguments and QTWEBENGINE_CHROMIUM_FLAGS.
    static QStringList processSwitches();
};

}  // namespace korvel
