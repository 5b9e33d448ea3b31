#include "files/UploadRequestRules.h"

#include <QUrl>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netinet/in.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>

namespace korvel::UploadRequestRules {

namespace {

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

std::optional<int> portOf(const std::string& text)
{
    if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    const int port = std::stoi(text);
    return port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

}  // namespace

std::optional<AddressBytes> addressBytes(const std::string& text)
{
    const std::string bare = text.substr(0, text.find('%'));
    AddressBytes bytes{};
    if (inet_pton(AF_INET6, bare.c_str(), bytes.data()) == 1)
        return bytes;
    in_addr v4{};
    if (inet_pton(AF_INET, bare.c_str(), &v4) != 1)
        return std::nullopt;
    bytes = {};
    bytes[10] = bytes[11] = 0xff;
    std::memcpy(bytes.data() + 12, &v4, 4);
    return bytes;
}

std::optional<Authority> authorityOf(const std::string& hostHeader)
{
    Authority authority;
    std::string rest;  // ":port" or nothing
    if (hostHeader.rfind('[', 0) == 0) {
        const size_t close = hostHeader.find(']');
        if (close == std::string::npos)
            return std::nullopt;
        authority.host = hostHeader.substr(1, close - 1);
        if (authority.host.find(':') == std::string::npos || !addressBytes(authority.host))
            return std::nullopt;
        rest = hostHeader.substr(close + 1);
    } else {
        const size_t colon = hostHeader.find(':');
        if (colon != std::string::npos && hostHeader.find(':', colon + 1) != std::string::npos)
            return std::nullopt;  // an IPv6 address needs its brackets here
        authority.host = hostHeader.substr(0, colon);
        rest = colon == std::string::npos ? std::string() : hostHeader.substr(colon);
    }
    if (!rest.empty()) {
        const std::optional<int> port = rest[0] == ':' ? portOf(rest.substr(1)) : std::nullopt;
        if (!port)
            return std::nullopt;
        authority.port = *port;
    }
    authority.host = lower(authority.host);
    if (!authority.host.empty() && authority.host.back() == '.')
        authority.host.pop_back();
    if (authority.host.empty() || !std::all_of(authority.host.begin(), authority.host.end(), [](unsigned char c) {
            return std::isalnum(c) || c == '.' || c == '-' || c == ':' || c == '_' || c == '%';
        }))
        return std::nullopt;
    return authority;
}

DeviceNames thisDevice()
{
    DeviceNames device;
    device.names << QStringLiteral("localhost");
    char name[256] = {};
    if (gethostname(name, sizeof(name) - 1) == 0 && name[0]) {
        const QString host = QString::fromLocal8Bit(name).toLower();
        const QString shortName = host.section(QLatin1Char('.'), 0, 0);
        device.names << host << host + QStringLiteral(".local") << shortName << shortName + QStringLiteral(".local");
    }
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) == 0) {
        for (const ifaddrs* i = interfaces; i; i = i->ifa_next) {
            if (!i->ifa_addr)
                continue;
            AddressBytes bytes{};
            if (i->ifa_addr->sa_family == AF_INET) {
                bytes[10] = bytes[11] = 0xff;
                std::memcpy(bytes.data() + 12, &reinterpret_cast<const sockaddr_in*>(i->ifa_addr)->sin_addr, 4);
            } else if (i->ifa_addr->sa_family == AF_INET6) {
                std::memcpy(bytes.data(), &reinterpret_cast<const sockaddr_in6*>(i->ifa_addr)->sin6_addr, 16);
            } else {
                continue;
            }
            device.addresses.push_back(bytes);
        }
        freeifaddrs(interfaces);
    }
    return device;
}

bool isOwnHost(const std::string& hostHeader, const std::string& localAddress, const std::function<DeviceNames()>& device)
{
    const std::optional<Authority> authority = authorityOf(hostHeader);
    if (!authority)
        return false;
    if (const std::optional<AddressBytes> address = addressBytes(authority->host)) {
        if (address == addressBytes(localAddress))
            return true;
        const DeviceNames own = device();
        return std::find(own.addresses.begin(), own.addresses.end(), *address) != own.addresses.end();
    }
    return device().names.contains(QString::fromStdString(authority->host));
}

bool isOwnOrigin(const std::string& originOrReferer, bool tls, const std::string& hostHeader)
{
    const QUrl origin(QString::fromStdString(originOrReferer), QUrl::StrictMode);
    const std::optional<Authority> own = authorityOf(hostHeader);
    if (!own || !origin.isValid() || origin.host().isEmpty() || !origin.userInfo().isEmpty())
        return false;
    const QString scheme = tls ? QStringLiteral("https") : QStringLiteral("http");
    const int defaultPort = tls ? 443 : 80;
    const int ownPort = own->port < 0 ? defaultPort : own->port;
    return origin.scheme() == scheme && origin.host().toLower().toStdString() == own->host && origin.port(defaultPort) == ownPort;
}

}  // namespace korvel::UploadRequestRules
