// The allowed website an address handed over by another application belongs to.
#include "policy/DomainHelper.h"
#include "policy/WebsiteRules.h"

#include "platform/FormatString.h"

namespace korvel::WebsiteRules {

namespace {

const QString category = QStringLiteral("App General");

QVariant shown(const std::optional<QString>& value)
{
    return value ? QVariant(*value) : QVariant();
}

void logDecomposition(NavigationEffects* effects, const QString& prefix, const std::optional<TLDResult>& result)
{
    const TLDResult parts = result.value_or(TLDResult{});
    effects->append(NavigationEffect::log(category, formatString(prefix + QStringLiteral(" TopLevelDomain:%@"), shown(parts.topLevelDomain))));
    effects->append(NavigationEffect::log(category, formatString(prefix + QStringLiteral(" SecondLevelDomain:%@"), shown(parts.secondLevelDomain))));
    effects->append(NavigationEffect::log(category, formatString(prefix + QStringLiteral(" SubDomain:%@"), shown(parts.subDomain))));
    effects->append(NavigationEffect::log(category, formatString(prefix + QStringLiteral(" RootDomain:%@"), shown(parts.rootDomain))));
}

NavigationEffect refusalAlert(const QUrl& url)
{
    NavigationEffect alert = NavigationEffect::with(NavigationEffect::Kind::Alert, QUrl(),
                                                    QStringLiteral("External URL not Allowed ") + urlWithScheme(url).toString(QUrl::FullyEncoded));
    alert.category = QStringLiteral("ERROR");
    alert.seconds = 5;
    return alert;
}

}  // namespace

std::optional<allowedWebsite> getAllowedWebsiteForExternalURL(const QUrl& url, const QList<allowedWebsite>& websites,
                                                              NavigationEffects* effects)
{
    NavigationEffects ignored;
    NavigationEffects* out = effects ? effects : &ignored;
    if (url.isLocalFile()) {
        out->append(NavigationEffect::log(category, QStringLiteral("External URL is file path URL.")));
        NavigationEffect alert = NavigationEffect::with(NavigationEffect::Kind::Alert, QUrl(), QStringLiteral("External URL is file path URL."));
        alert.category = QStringLiteral("ERROR");
        alert.seconds = 5;
        out->append(alert);
        return std::nullopt;
    }
    const std::shared_ptr<const DomainHelper> domains = DomainHelper::shared();
    QString externalScheme;
    QString externalRest;
    getSchemeFromURL(url, &externalScheme, &externalRest);
    out->append(NavigationEffect::log(category, formatString(QStringLiteral("External URL Scheme:%@"), externalScheme)));
    out->append(NavigationEffect::log(category, formatString(QStringLiteral("External URL Without Scheme:%@"), externalRest)));
    const std::optional<TLDResult> external = domains->parseURL(externalRest);
    logDecomposition(out, QStringLiteral("External URL"), external);
    if (!external) {
        out->append(NavigationEffect::log(category, QStringLiteral("External URL not Allowed.")));
        out->append(refusalAlert(url));
        return std::nullopt;
    }
    const QString externalAddress = urlWithScheme(url).toString(QUrl::FullyEncoded);

    for (const allowedWebsite& w : websites) {
        out->append(NavigationEffect::log(category, formatString(QStringLiteral("Allowed Website URL:%@"), w.url)));
        const std::optional<QUrl> wURL = w.parsedURL();
        if (!wURL || wURL->isLocalFile())
            continue;
        QString scheme;
        QString rest;
        getSchemeFromURL(*wURL, &scheme, &rest);
        out->append(NavigationEffect::log(category, formatString(QStringLiteral("Allowed Website URL Scheme:%@"), scheme)));
        out->append(NavigationEffect::log(category, formatString(QStringLiteral("Allowed Website URL Without Scheme:%@"), rest)));
        const std::optional<TLDResult> allowed = domains->parseURL(rest);
        logDecomposition(out, QStringLiteral("Allowed Website URL"), allowed);
        if (!allowed || !allowed->rootDomain || !external->rootDomain || *allowed->rootDomain != *external->rootDomain)
            continue;
        const bool schemesDiffer = !scheme.isEmpty() && !externalScheme.isEmpty() && scheme != externalScheme;
        bool matches = false;
        if (w.allowOnlyThis && !w.allowSubDomain)
            matches = !schemesDiffer && wURL->toString(QUrl::FullyEncoded) == externalAddress;
        else if (w.allowSubDomain && !w.allowOnlyThis)
            matches = !schemesDiffer;
        else if (!w.allowSubDomain && !w.allowOnlyThis)
            matches = !schemesDiffer && (!external->subDomain || external->subDomain == allowed->subDomain);
        if (matches)
            return w;
    }
    out->append(NavigationEffect::log(category, QStringLiteral("Allowed website not found for External URL.")));
    out->append(NavigationEffect::log(category, QStringLiteral("2 External URL not Allowed.")));
    out->append(refusalAlert(url));
    return std::nullopt;
}

}  // namespace korvel::WebsiteRules
