#include "browser/LoadError.h"

#include <array>

namespace korvel {

namespace {

// QWebEngineLoadingInfo::ErrorDomain, kept as numbers so that plain code need not include the engine.
enum EngineDomain { NoErrorDomain = 0, InternalErrorDomain, ConnectionErrorDomain, CertificateErrorDomain,
                    HttpErrorDomain, FtpErrorDomain, DnsErrorDomain };

struct Row {
    int chromiumCode;
    LoadError::Kind kind;
};

// Chromium's net error codes (net/base/net_error_list.h) and what each means to the recovery rules.
constexpr std::array<Row, 22> table = {{
    {-3, LoadError::Kind::Cancelled},              // ERR_ABORTED
    {-20, LoadError::Kind::Cancelled},             // ERR_BLOCKED_BY_CLIENT: refused by the policy
    {-27, LoadError::Kind::FrameLoadInterrupted},  // ERR_BLOCKED_BY_RESPONSE
    {-106, LoadError::Kind::NotConnected},         // ERR_INTERNET_DISCONNECTED
    {-21, LoadError::Kind::NotConnected},          // ERR_NETWORK_CHANGED
    {-105, LoadError::Kind::CannotFindHost},       // ERR_NAME_NOT_RESOLVED
    {-137, LoadError::Kind::CannotFindHost},       // ERR_NAME_RESOLUTION_FAILED
    {-102, LoadError::Kind::CannotConnect},        // ERR_CONNECTION_REFUSED
    {-104, LoadError::Kind::CannotConnect},        // ERR_CONNECTION_FAILED
    {-109, LoadError::Kind::CannotConnect},        // ERR_ADDRESS_UNREACHABLE
    {-100, LoadError::Kind::CannotConnect},        // ERR_CONNECTION_CLOSED
    {-101, LoadError::Kind::CannotConnect},        // ERR_CONNECTION_RESET
    {-118, LoadError::Kind::TimedOut},             // ERR_CONNECTION_TIMED_OUT
    {-7, LoadError::Kind::TimedOut},               // ERR_TIMED_OUT
    {-300, LoadError::Kind::UnsupportedURL},       // ERR_INVALID_URL
    {-301, LoadError::Kind::UnsupportedURL},       // ERR_DISALLOWED_URL_SCHEME
    {-302, LoadError::Kind::UnsupportedURL},       // ERR_UNKNOWN_URL_SCHEME
    {-200, LoadError::Kind::CertificateUntrusted}, // ERR_CERT_COMMON_NAME_INVALID
    {-201, LoadError::Kind::CertificateUntrusted}, // ERR_CERT_DATE_INVALID
    {-202, LoadError::Kind::CertificateUntrusted}, // ERR_CERT_AUTHORITY_INVALID
    {-207, LoadError::Kind::CertificateUntrusted}, // ERR_CERT_INVALID
    {-213, LoadError::Kind::CertificateUntrusted}, // ERR_CERT_WEAK_KEY (and the rest of -2xx below)
}};

int mappedCode(LoadError::Kind kind)
{
    switch (kind) {
    case LoadError::Kind::Cancelled:
        return -999;
    case LoadError::Kind::NotConnected:
        return -1009;
    case LoadError::Kind::CannotFindHost:
        return -1003;
    case LoadError::Kind::CannotConnect:
        return -1004;
    case LoadError::Kind::TimedOut:
        return -1001;
    case LoadError::Kind::UnsupportedURL:
        return -1002;
    case LoadError::Kind::CertificateUntrusted:
        return -1202;
    case LoadError::Kind::FrameLoadInterrupted:
        return 102;
    case LoadError::Kind::Other:
        return 0;
    }
    return 0;
}

// The engine's texts are codes ("net::ERR_CONNECTION_REFUSED") that tell the person at the kiosk
// nothing; they go to the log, and the alert says what happened in words.
QString personText(LoadError::Kind kind)
{
    switch (kind) {
    case LoadError::Kind::NotConnected:
        //% "This device is not connected to the network."
        return qtTrId("TEXT_LOAD_ERROR_NOT_CONNECTED");
    case LoadError::Kind::CannotFindHost:
    case LoadError::Kind::CannotConnect:
    case LoadError::Kind::TimedOut:
        //% "The website is not answering right now."
        return qtTrId("TEXT_LOAD_ERROR_NOT_ANSWERING");
    case LoadError::Kind::CertificateUntrusted:
        //% "The website's identity could not be verified."
        return qtTrId("TEXT_LOAD_ERROR_UNTRUSTED");
    case LoadError::Kind::UnsupportedURL:
    case LoadError::Kind::Cancelled:
    case LoadError::Kind::FrameLoadInterrupted:
    case LoadError::Kind::Other:
        break;
    }
    //% "The page could not be loaded."
    return qtTrId("TEXT_LOAD_ERROR_OTHER");
}

}  // namespace

LoadError LoadError::fromEngine(int engineDomain, int engineCode, const QString& description)
{
    LoadError error;
    error.engineText = description;
    for (const Row& row : table) {
        if (row.chromiumCode == engineCode) {
            error.kind = row.kind;
            break;
        }
    }
    // Every certificate error is an untrusted server, whatever its detail.
    if (error.kind == Kind::Other && (engineDomain == CertificateErrorDomain || (engineCode <= -200 && engineCode > -300)))
        error.kind = Kind::CertificateUntrusted;
    if (error.kind == Kind::Other && engineDomain == DnsErrorDomain)
        error.kind = Kind::CannotFindHost;
    error.description = personText(error.kind);
    if (error.kind == Kind::Other) {
        error.code = engineCode;
        error.domain = QStringLiteral("QtWebEngine.%1").arg(engineDomain);
        return error;
    }
    error.code = mappedCode(error.kind);
    error.domain = error.kind == Kind::FrameLoadInterrupted ? QStringLiteral("WebKitErrorDomain") : QStringLiteral("NSURLErrorDomain");
    return error;
}

}  // namespace korvel
