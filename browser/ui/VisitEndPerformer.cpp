#include "browser/ui/VisitEndPerformer.h"

#include "browser/ui/EngineProfiles.h"
#include "files/VisitorFiles.h"
#include "log/KVLog.h"
#include "policy/KVClearAppCache.h"
#include "settings/KVSettings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>

namespace korvel::VisitEndPerformer {

void endVisit(VisitEnd end, const VisitState& state)
{
    perform(VisitRules::endOfVisit(KVSettings::getSettingsObject().kvBrowPref, end, state));
}

void perform(const QList<VisitEffect>& effects)
{
    EngineProfiles& profiles = EngineProfiles::instance();
    for (const VisitEffect effect : effects) {
        switch (effect) {
        case VisitEffect::ForgetVisitor:
            profiles.endVisit();
            break;
        case VisitEffect::DeleteCookies:
            profiles.persistent()->cookieStore()->deleteAllCookies();
            break;
        case VisitEffect::ClearCache:
            KVClearAppCache::clearCacheForCacheManifestURLs();
            profiles.current()->clearHttpCache();
            KVLog(QStringLiteral("Webview"), QStringLiteral("Cache cleaned"));
            break;
        case VisitEffect::ClearClipboard:
            if (QClipboard* clipboard = QGuiApplication::clipboard()) {
                clipboard->clear(QClipboard::Clipboard);
                if (clipboard->supportsSelection())
                    clipboard->clear(QClipboard::Selection);
            }
            break;
        case VisitEffect::WithholdVisitorFiles:
            VisitorFiles::shared().endVisit();
            break;
        }
    }
}

}  // namespace korvel::VisitEndPerformer
