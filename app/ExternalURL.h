#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

// Addresses handed to Korvel by other programs as "korvel://host/path".
class ExternalURL {
public:
    static constexpr const char* scheme = "korvel";

    // The address to open: the text after "korvel://", only while some website is allowed. Nothing
    // for another scheme, for the scheme alone, or with an empty allowed list.
    static std::optional<QUrl> target(const QString& openedURL, bool anyAllowedWebsite);
};

}  // namespace korvel
