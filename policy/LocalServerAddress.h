#pragma once

#include <QString>
#include <QUrl>

namespace korvel {

// Where the device's own upload server answers. Its pages are recognised by their parsed parts
// (scheme, host, port) compared exactly: an address that merely carries "127.0.0.1:8080" in its
// path, query, user name or a longer host is someone else's.
struct LocalServerAddress {
    static constexpr int defaultPort = 8080;

    QString host = QStringLiteral("127.0.0.1");
    int port = defaultPort;

    // Whether `url` is an "http" address of this host and port, without a user name.
    bool serves(const QUrl& url) const;

    bool operator==(const LocalServerAddress&) const = default;
};

}  // namespace korvel
