#include "browser/ui/BrowserData.h"

#include "browser/ui/EngineProfiles.h"
#include "browser/ui/KorvelWebEngine.h"
#include "policy/KVClearAppCache.h"

#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace korvel::Utils {

void clearBrowserCache()
{
    KVClearAppCache::clearCacheForCacheManifestURLs();
    KorvelWebEngine::profile()->clearHttpCache();
}

void clearBrowserCookies()
{
    KorvelWebEngine::profile()->cookieStore()->deleteAllCookies();
}

void clearCookoes()
{
    EngineProfiles::instance().endVisit();
}

}  // namespace korvel::Utils
