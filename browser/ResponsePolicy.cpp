#include "browser/ResponsePolicy.h"

#include "platform/FormatString.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

ResponseDecision ResponsePolicy::decide(const ResponseContext& response, const KVBrowserPrefSettings& p)
{
    using Kind = NavigationEffect::Kind;
    ResponseDecision decision;
    const bool archive = response.mimeType == QLatin1String("application/zip")
                         || response.mimeType == QLatin1String("application/octet-stream");
    if (response.engineCanShow && !archive) {
        decision.allow = true;
        return decision;
    }
    const QString address = response.currentURL.toString(QUrl::FullyEncoded);
    if (address.startsWith(QLatin1String("file://")) && (response.tabbed || response.isFirstTimeLoad)) {
        decision.effects.append(NavigationEffect::with(Kind::ShowFile, response.currentURL));
        if (!response.tabbed) {
            NavigationEffect pop = NavigationEffect::with(Kind::PopWindow);
            pop.flag = true;
            decision.effects.append(pop);
        }
    } else if (p.isAllowFileDownloadInDevice && !response.userGesture) {
        // Nobody asked: nothing to tell the person, only the log.
        decision.effects.append(NavigationEffect::log(QStringLiteral("Webview"),
                                                      formatString(QStringLiteral("Download refused: %@ (%@)"), QStringLiteral("no user gesture"), address)));
    } else if (p.isAllowFileDownloadInDevice
               && (response.quotaLeft <= 0 || response.expectedBytes > response.quotaLeft)) {
        //% "This visit cannot save more files."
        decision.effects.append(NavigationEffect::toast(qtTrId("TEXT_DOWNLOAD_QUOTA_REACHED"), NavigationEffect::Place::WindowView));
        decision.effects.append(NavigationEffect::log(QStringLiteral("Webview"),
                                                      formatString(QStringLiteral("Download refused: %@ (%@)"), QStringLiteral("the visit's quota is used up"), address)));
    } else if (p.isAllowFileDownloadInDevice) {
        if (p.isAllowKeepDownloadHistory)
            decision.effects.append(NavigationEffect::with(Kind::RecordDownload, response.currentURL));
        decision.effects.append(NavigationEffect::with(Kind::StartDownload, response.currentURL));
    } else {
        //% "Downloads are disabled. Please contact the administrator to enable them."
        decision.effects.append(NavigationEffect::toast(qtTrId("TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT"),
                                                        NavigationEffect::Place::WindowView));
    }
    if (response.isFirstTimeLoad && !response.tabbed) {
        const bool alreadyPopped = !decision.effects.isEmpty() && decision.effects.last().kind == Kind::PopWindow;
        if (!alreadyPopped) {
            NavigationEffect pop = NavigationEffect::with(Kind::PopWindow);
            pop.flag = true;
            decision.effects.append(pop);
        }
    }
    return decision;
}

}  // namespace korvel
