#include "browser/ErrorRecovery.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

namespace {

using Kind = NavigationEffect::Kind;

bool isFileWebsite(const std::optional<allowedWebsite>& website)
{
    if (!website)
        return false;
    const std::optional<QUrl> url = website->parsedURL();
    return url && url->isLocalFile();
}

bool sameAddress(const QUrl& a, const QUrl& b)
{
    return !a.isEmpty() && !b.isEmpty() && a.adjusted(QUrl::NormalizePathSegments).matches(b.adjusted(QUrl::NormalizePathSegments), QUrl::StripTrailingSlash);
}

NavigationEffect errorAlert(const LoadError& error, const KVBrowserPrefSettings& p)
{
    NavigationEffect alert = NavigationEffect::with(Kind::Alert, QUrl(), error.description);
    alert.category = QStringLiteral("Error");
    // The screensaver may start while nobody reads the alert: it closes itself then.
    alert.seconds = p.enableScreenSaver ? 5 : 0;
    return alert;
}

}  // namespace

NavigationEffects ErrorRecovery::errorPage(const std::optional<QUrl>& url, const std::optional<LoadError>& error, bool fileAllowed)
{
    NavigationEffects effects;
    if (url && !(error && error->kind == LoadError::Kind::NotConnected)) {
        if (url->isLocalFile()) {
            if (fileAllowed)
                effects.append(NavigationEffect::with(Kind::LoadFile, *url));
        } else {
            effects.append(NavigationEffect::with(Kind::LoadRequest, *url));
        }
        return effects;
    }
    effects.append(NavigationEffect::with(Kind::LoadErrorPage));
    return effects;
}

NavigationEffects ErrorRecovery::provisionalFailure(const LoadFailure& f, const KVBrowserPrefSettings& p)
{
    NavigationEffects effects;
    const LoadError& error = f.error;
    if (error.kind == LoadError::Kind::Cancelled)
        return effects;

    bool alertShown = false;
    const bool customPage = f.errorPage.has_value();
    const std::optional<QUrl> customURL = customPage ? f.errorPage->parsedURL() : std::nullopt;

    // An error page that fails itself is not tried again: retrying it would loop, with an alert
    // queued per attempt. The administrator's page falls back to the built-in one, and the built-in
    // one to nothing further.
    if (sameAddress(f.failedURL, f.builtInErrorPage))
        return effects;
    if (customURL && sameAddress(f.failedURL, *customURL)) {
        effects.append(NavigationEffect::with(Kind::LoadErrorPage));
        return effects;
    }
    const bool customIsFile = customURL && customURL->isLocalFile();
    const bool selectedOnlyThis = f.selectedWebsite && f.selectedWebsite->allowOnlyThis;

    if ((error.kind != LoadError::Kind::FrameLoadInterrupted || selectedOnlyThis) && !isFileWebsite(f.selectedWebsite) && customPage) {
        effects.append(errorAlert(error, p));
        alertShown = true;
        if (customIsFile) {
            if (f.errorPageFileExists)
                effects.append(errorPage(customURL, std::nullopt, true));
            else
                effects.append(NavigationEffect::with(Kind::LoadErrorPage));
        } else if (customURL) {
            effects.append(errorPage(customURL, error, false));
        }
    }

    switch (error.kind) {
    case LoadError::Kind::CannotFindHost:
        if (!customPage) {
            if (!alertShown)
                effects.append(errorAlert(error, p));
            effects.append(NavigationEffect::with(Kind::LoadErrorPage));
        }
        break;
    case LoadError::Kind::CertificateUntrusted:
    case LoadError::Kind::TimedOut:
    case LoadError::Kind::UnsupportedURL:
    case LoadError::Kind::NotConnected:
    case LoadError::Kind::CannotConnect:
        // One alert at a time: a second one over the first would only hide it.
        if (!alertShown)
            effects.append(errorAlert(error, p));
        if (!(customPage && customIsFile) && (effects.isEmpty() || effects.last().kind != Kind::LoadErrorPage))
            effects.append(NavigationEffect::with(Kind::LoadErrorPage));
        break;
    case LoadError::Kind::FrameLoadInterrupted:
        return effects;
    case LoadError::Kind::Cancelled:
    case LoadError::Kind::Other:
        break;
    }

    if (isFileWebsite(f.selectedWebsite)) {
        if (f.selectedFileAvailable) {
            if (p.enableToolBar || p.enableMenu)
                effects.append(NavigationEffect::with(Kind::WindowBars));
            effects.append(NavigationEffect::with(Kind::LoadFile, f.selectedFileURL));
        } else {
            effects.append(NavigationEffect::with(Kind::LoadErrorPage));
        }
    }
    return effects;
}

}  // namespace korvel
