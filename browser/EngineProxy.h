#pragma once

#include <QNetworkProxy>
#include <QProcessEnvironment>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace korvel {

// The proxy the web engine sends a page's requests through. A knock at a failed page's host must
// take the same road as the engine: behind a proxy the host may not even resolve from the kiosk.
// The engine decides in this order: the application's proxy, when the application turned Qt's
// system configuration off; else its switches ("--no-proxy-server", then "--proxy-pac-url",
// "--proxy-auto-detect", "--proxy-server" with "--proxy-bypass-list"); else the environment
// (auto_proxy, all_proxy, http_proxy, https_proxy, SOCKS_SERVER, no_proxy, each in lower case
// first, then upper case). Loopback, localhost and link-local hosts are always reached directly,
// unless a bypass list says "<-loopback>".
struct EngineProxy {
    enum class Type { Http, Socks5 };
    Type type = Type::Http;
    QString host;
    quint16 port = 0;

    // What the engine takes its proxy from.
    struct Sources {
        QStringList switches;             // its command line
        QProcessEnvironment environment;  // read when no switch decides
        std::optional<QNetworkProxy> applicationProxy;  // followed alone when set
    };

    // The proxy for a request to `url`: none when the engine connects directly, or when it takes a
    // road a plain socket cannot follow (an HTTPS or SOCKS4 proxy, a PAC script, auto-detection);
    // `understood` is then false for the latter.
    static std::optional<EngineProxy> forUrl(const Sources& sources, const QUrl& url, bool* understood = nullptr);
    // This process's sources as the engine reads them: QTWEBENGINE_CHROMIUM_FLAGS when it is set
    // (the program's arguments are then not passed on), else the arguments after "--webEngineArgs".
    static Sources processSources();
    // Flags text broken into switches as the engine breaks it (EngineFlags::splitFlags), with the
    // quotes taken out of the values.
    static QStringList splitFlags(const QString& flags);
};

}  // namespace korvel
