#pragma once

#include "policy/LocalServerAddress.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <chrono>
#include <optional>

namespace korvel {

// Reads a page of the device's own upload server as UTF-8 text, waiting for it (the browser shows
// those pages through itself). Nothing when the page cannot be read within the time-out.
class LocalPageReader {
public:
    // `headers` go with the request (the kiosk's key to the server).
    static std::optional<QString> read(const QUrl& url, const QList<QPair<QByteArray, QByteArray>>& headers = {},
                                       std::chrono::milliseconds timeout = std::chrono::seconds(5));
    // Whether `url` is an HTML page of the upload server at `server` (none: the server is off).
    static bool isLocalServerPage(const QUrl& url, const std::optional<LocalServerAddress>& server);
};

}  // namespace korvel
