#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

// The URL of a record's stored text. Records keep the text exactly as created or imported; a
// text that is missing, or is not an absolute URL, gives nothing and so never matches anything.
std::optional<QUrl> parseRecordURL(const QString& text);

}  // namespace korvel
