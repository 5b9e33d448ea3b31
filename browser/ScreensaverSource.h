#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

enum class ScreensaverKind { None, Video, Image, WebPage };

namespace ScreensaverSource {

// What the "ScreenSaver" text shows: its ending decides, in the letter case typed (".MP4" is a web
// page), and empty shows nothing.
ScreensaverKind kind(const QString& setting);
// The address the text stands for: a web address, or a file of the documents directory.
std::optional<QUrl> url(const QString& setting);


// A synchronous HEAD request: true when the answer's status is 200 (false on any failure, and
// after ten seconds without an answer).
bool checkServerUrlIsReachable(const QUrl& url);

}  // namespace ScreensaverSource

}  // namespace korvel
