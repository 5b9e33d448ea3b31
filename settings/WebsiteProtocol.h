#pragma once

#include <QtGlobal>

namespace korvel {

// How a website record's URL was built. Stored as a 32-bit integer; other values can arrive in a
// settings document and are kept as they are.
enum class WebsiteProtocol : qint32 {
    Http = 0,
    Https = 1,
    File = 2,  // a file in the documents directory
};

}  // namespace korvel
