#pragma once

#include "browser/LoadError.h"
#include "policy/NavigationEffect.h"
#include "settings/allowedWebsite.h"

#include <optional>

namespace korvel {

struct KVBrowserPrefSettings;

// What the window knows when a page failed before it was shown.
struct LoadFailure {
    LoadError error;
    std::optional<allowedWebsite> selectedWebsite;
    std::optional<allowedWebsite> errorPage;  // the administrator's error page website
    bool errorPageFileExists = false;         // when that website is a file: it is in the documents directory
    bool selectedFileAvailable = false;       // when the selected website is a file: allowed and present
    QUrl selectedFileURL;                     // that file in this device's documents directory
    QUrl failedURL;                           // the address that failed to load
    QUrl builtInErrorPage;                    // the built-in error page as a file URL
};

// The alert and the page a failed load ends on.
class ErrorRecovery {
public:
    static NavigationEffects provisionalFailure(const LoadFailure& failure, const KVBrowserPrefSettings& preferences);
    // The page for the administrator's error page `url` after error `error` (none: no error).
    static NavigationEffects errorPage(const std::optional<QUrl>& url, const std::optional<LoadError>& error,
                                       bool fileAllowed);
};

}  // namespace korvel
