#include "browser/VisitRules.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel::VisitRules {

namespace {

// Whether `end` ends the visit at all, given what the screen knows.
bool ends(VisitEnd end, const VisitState& state)
{
    switch (end) {
    case VisitEnd::Start:
    case VisitEnd::Idle:
    case VisitEnd::Settings:
    case VisitEnd::BackOutOfWindow:
        return true;
    case VisitEnd::Home:
        // Home on a tab's home page is not the end of anything.
        return state.mode == WindowMode::SingleWindow || state.websiteLeft;
    case VisitEnd::TabClosed:
        return !state.websitesStillOpen;
    }
    return true;
}

}  // namespace

bool visitsApart(const KVBrowserPrefSettings& p)
{
    return p.privateBrowsing;
}

QList<VisitEffect> endOfVisit(const KVBrowserPrefSettings& p, VisitEnd end, const VisitState& state)
{
    QList<VisitEffect> effects;
    if (!ends(end, state))
        return effects;
    if (visitsApart(p))
        effects << VisitEffect::ForgetVisitor;
    if (end == VisitEnd::Start)
        return effects;
    // Tabs share the disk profile: its logins go when the offline cache or the acceptance of
    // certificate errors asks every visit to start clean. Private browsing dropped them already.
    if (state.mode == WindowMode::Tabbed && !visitsApart(p) && (p.offlineBrowsingCache || p.ignoreSslWarnings))
        effects << VisitEffect::DeleteCookies;
    if (p.offlineBrowsingCache)
        effects << VisitEffect::ClearCache;
    effects << VisitEffect::ClearClipboard << VisitEffect::WithholdVisitorFiles;
    return effects;
}

}  // namespace korvel::VisitRules
