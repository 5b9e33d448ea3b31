#include "browser/ui/BrowserData.h"

#include "browser/ui/EngineProfiles.h"
#include "policy/KVClearAppCache.h"

#include <QWebEngineProfile>

namespace korvel::BrowserData {

void clearBrowserCache()
{
    KVClearAppCache::clearCacheForCacheManifestURLs();
    EngineProfiles::instance().current()->clearHttpCache();
}


}  // namespace korvel::BrowserData
