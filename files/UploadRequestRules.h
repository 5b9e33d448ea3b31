#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace korvel::UploadRequestRules {

// An address in its 16-byte IPv6 form, an IPv4 one as IPv4-mapped (a link-local zone is dropped);
// nullopt when the text is no address.
using AddressBytes = std::array<unsigned char, 16>;
std::optional<AddressBytes> addressBytes(const std::string& text);

// The host (lower case, an IPv6 address without its brackets) and the port (-1 when none is
// named) of a Host header; nullopt when it is not one.
struct Authority {
    std::string host;
    int port = -1;
};
std::optional<Authority> authorityOf(const std::string& hostHeader);

// The names and addresses under which this device may be asked for its pages.
struct DeviceNames {
    QStringList names;  // lower case: "localhost", the host name, the host name with ".local"
    std::vector<AddressBytes> addresses;
};
// What the system says now (host name, addresses of every interface).
DeviceNames thisDevice();

// Whether a request's Host header names this device: the address the connection reached, any other
// address of the device, or one of its names. A page of another name that resolves to the device
// (DNS rebinding) names itself and is refused. `device` is asked only when the cheap test fails.
bool isOwnHost(const std::string& hostHeader, const std::string& localAddress, const std::function<DeviceNames()>& device);

// Whether an Origin header, or the address in a Referer header, is the server's own origin as
// the request named it: scheme ("https" over TLS), host and port of its Host header.
bool isOwnOrigin(const std::string& originOrReferer, bool tls, const std::string& hostHeader);

}  // namespace korvel::UploadRequestRules
