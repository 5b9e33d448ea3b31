#pragma once

#include "policy/NavigationEffect.h"

#include <QString>
#include <QUrl>

namespace korvel {

struct KVBrowserPrefSettings;

// What the window knows when a response arrives.
struct ResponseContext {
    QString mimeType;
    bool engineCanShow = false;  // the web view renders this type
    QUrl currentURL;             // the web view's current address
    bool tabbed = false;
    bool isFirstTimeLoad = false;
};

struct ResponseDecision {
    bool allow = false;
    NavigationEffects effects;
    bool isFirstTimeLoad = false;  // the window's flag after the decision
};

// Whether a response is shown or, being a file, handed to the reader or the downloader.
class ResponsePolicy {
public:
    static ResponseDecision decide(const ResponseContext& response, const KVBrowserPrefSettings& preferences);
};

}  // namespace korvel
