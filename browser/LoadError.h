#pragma once

#include <QString>

namespace korvel {

// A failed load in the terms the recovery rules use: the engine's network error codes mapped to the
// codes of the URL-loading system (and the one web-view code) that the rules were written for.
struct LoadError {
    enum class Kind {
        Cancelled,             // -999: the load was stopped (a new navigation, a refusal)
        NotConnected,          // -1009: no network at all
        CannotFindHost,        // -1003
        CannotConnect,         // -1004
        TimedOut,              // -1001
        UnsupportedURL,        // -1002
        CertificateUntrusted,  // -1202
        FrameLoadInterrupted,  // 102 (web-view domain): a response the view will not show
        Other,                 // anything else: keeps the engine's code
    };

    Kind kind = Kind::Other;
    int code = 0;          // the mapped code (the engine's code for Other)
    QString domain;        // "NSURLErrorDomain", "WebKitErrorDomain", or the engine's domain name
    QString description;  // what the error alert says: a sentence for the person, never the engine's code
    QString engineText;   // the engine's own text ("net::ERR_CONNECTION_REFUSED"), for the log only

    // From the engine's error domain (QWebEngineLoadingInfo::ErrorDomain as an integer), its
    // Chromium network error code and its text. The table is in LoadError.cpp.
    static LoadError fromEngine(int engineDomain, int engineCode, const QString& description);
};

}  // namespace korvel
