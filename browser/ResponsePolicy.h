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
    bool userGesture = false;   // the person asked for it (see UserActivation)
    qint64 expectedBytes = -1;  // the size the server announced; -1 when it did not
    qint64 quotaLeft = 0;       // what the visit may still save into Documents (see VisitQuota)
};

struct ResponseDecision {
    bool allow = false;
    NavigationEffects effects;
    bool isFirstTimeLoad = false;  // the window's flag after the decision
};

// Whether a response is shown or, being a file, handed to the reader or the downloader. A download
// needs the person's gesture (a page cannot save files by script) and room in the visit's quota.
class ResponsePolicy {
public:
    static ResponseDecision decide(const ResponseContext& response, const KVBrowserPrefSettings& preferences);
};

}  // namespace korvel
