#pragma once

#include "settings/WebsiteProtocol.h"

#include <QString>
#include <QUrl>

namespace korvel::Utils {

// The text with its first character capitalised; the rest unchanged. An empty text stays empty.
QString capitalizeFirstLetterOfString(const QString& text);

// The title a website gets when the administrator gives none: for a file, the file's name; for a
// web address, the longest label of its host (the first of equally long ones): www.example.com
// gives "example". Empty when the URL has neither.
QString defaultTitleForURL(const QUrl& url, WebsiteProtocol protocol);

}  // namespace korvel::Utils
