#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <optional>

namespace korvel {

// Where the cloud settings service lives: configuration of the installation, never built in. The
// address is taken, in this order, from the program's option "--cloud-service URL", the
// environment variable KORVEL_CLOUD_SERVICE and the key "CloudService" of the managed
// configuration. It is the service's base address; the two resources are appended to its path.
class CloudService {
public:
    static constexpr const char* optionName = "--cloud-service";
    static constexpr const char* environmentVariable = "KORVEL_CLOUD_SERVICE";
    static constexpr const char* managedKey = "CloudService";

    enum class Resource { PutSettings, GetSettings };

    // Takes "--cloud-service URL" or "--cloud-service=URL" from the program's arguments (the last
    // one given wins). Returns false when the option has no value; nothing is set then.
    static bool configureFromArguments(const QStringList& arguments);
    // The command-line address; an empty text forgets it.
    static void setCommandLineAddress(const QString& text);

    struct Address {
        std::optional<QUrl> url;
        QString error;  // why there is none: not configured, or the configured text is no address
    };
    // The configured base address, read at each call (the managed configuration may change).
    static Address address();
    // An http or https address with a host and without query, fragment or user information;
    // otherwise nothing, with the reason in `error`.
    static std::optional<QUrl> parseAddress(const QString& text, QString* error = nullptr);
    // The base address with "/putsettings.ashx" or "/getsettings.ashx" added to its path.
    static QUrl endpoint(const QUrl& base, Resource resource);
};

}  // namespace korvel
