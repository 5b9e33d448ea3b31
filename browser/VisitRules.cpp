#include "browser/VisitRules.h"

#include "settings/KVBrowserPrefSettings.h"
#include "settings/allowedWebsite.h"

#include <algorithm>

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
    case VisitEnd::WindowClosed:
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

BackOutcome back(const BackContext& c)
{
    if (c.canGoBack)
        return {BackStep::PageBack, false};
    // Tabs never leave their window: Home shows the tab's home page.
    if (c.mode == WindowMode::Tabbed)
        return {BackStep::Home, false};
    // A folder's website goes back to the folder's screen, without sliding.
    if (c.inCategory && (c.source == BackSource::PageMenu || c.showsFile))
        return {BackStep::LeaveWindow, false};
    // The toolbar leaves a website's first page as a slide; the page menu and a document go home.
    if (c.source == BackSource::Toolbar && !c.showsFile)
        return {BackStep::LeaveWindow, true};
    return {BackStep::Home, false};
}

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

bool stillListed(const allowedWebsite& website, const QList<allowedWebsite>& list)
{
    const std::optional<QUrl> address = website.parsedURL();
    return std::any_of(list.begin(), list.end(), [&](const allowedWebsite& w) { return w.parsedURL() == address; });
}

}  // namespace korvel::VisitRules
