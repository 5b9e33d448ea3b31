#include "browser/VisitRules.h"
#include "settings/KVBrowserPrefSettings.h"

#include <gtest/gtest.h>

using namespace korvel;

namespace {

using E = VisitEffect;

enum Prefs { Plain = 0, Private = 1, Offline = 2, IgnoreSsl = 4 };

KVBrowserPrefSettings preferences(int prefs)
{
    KVBrowserPrefSettings p = KVBrowserPrefSettings::init();
    p.privateBrowsing = prefs & Private;
    p.offlineBrowsingCache = prefs & Offline;
    p.ignoreSslWarnings = prefs & IgnoreSsl;
    return p;
}

}  // namespace

// Every way a visit ends, in both window modes: what goes, and in which order.
TEST(VisitRules, EachWayAVisitEndsClearsWhatThePreferencesSay)
{
    const VisitState single{WindowMode::SingleWindow, true, false};
    const VisitState tab{WindowMode::Tabbed, true, false};
    const VisitState tabAtHome{WindowMode::Tabbed, false, false};
    const VisitState otherTabsBrowse{WindowMode::Tabbed, true, true};
    const QList<VisitEffect> traces{E::ClearClipboard, E::WithholdVisitorFiles};
    const struct {
        const char* name;
        int prefs;
        VisitEnd end;
        VisitState state;
        QList<VisitEffect> effects;
    } cases[] = {
        {"home screen made, private", Private, VisitEnd::Start, single, {E::ForgetVisitor}},
        {"home screen made, not private", Offline | IgnoreSsl, VisitEnd::Start, tab, {}},
        {"Home, plain kiosk", Plain, VisitEnd::Home, single, traces},
        {"Home, private", Private, VisitEnd::Home, single, {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Home, private, tabs", Private, VisitEnd::Home, tab, {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Home, offline cache", Offline, VisitEnd::Home, single, {E::ClearCache, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Home, offline cache, tabs share the disk cookies", Offline, VisitEnd::Home, tab,
         {E::DeleteCookies, E::ClearCache, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Home, certificate errors accepted, tabs", IgnoreSsl, VisitEnd::Home, tab, {E::DeleteCookies, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Home, certificate errors accepted, one window", IgnoreSsl, VisitEnd::Home, single, traces},
        {"Home on a tab's home page ends nothing", Private | Offline, VisitEnd::Home, tabAtHome, {}},
        {"Home in a single window always ends it", Private, VisitEnd::Home, {WindowMode::SingleWindow, false, false},
         {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"idle, private, tabs", Private, VisitEnd::Idle, tab, {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"idle, private and offline", Private | Offline, VisitEnd::Idle, single,
         {E::ForgetVisitor, E::ClearCache, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"settings, private, tabs", Private | IgnoreSsl, VisitEnd::Settings, tab, {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"settings, offline, tabs", Offline, VisitEnd::Settings, tab,
         {E::DeleteCookies, E::ClearCache, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"Back out of a window", Private | Offline, VisitEnd::BackOutOfWindow, single,
         {E::ForgetVisitor, E::ClearCache, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"the last website's tab closed", Private, VisitEnd::TabClosed, tab, {E::ForgetVisitor, E::ClearClipboard, E::WithholdVisitorFiles}},
        {"a tab closed while another browses", Private | Offline, VisitEnd::TabClosed, otherTabsBrowse, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VisitRules::endOfVisit(preferences(c.prefs), c.end, c.state), c.effects) << c.name;
    EXPECT_TRUE(VisitRules::visitsApart(preferences(Private)));
    EXPECT_FALSE(VisitRules::visitsApart(preferences(Offline | IgnoreSsl)));
}

// Back from each kind of page: a way out of the window is always a LeaveWindow, which ends the visit.
TEST(VisitRules, BackGoesThroughHistoryThenHomeOrOutOfTheWindow)
{
    using S = BackStep;
    const auto single = WindowMode::SingleWindow;
    const auto menu = BackSource::PageMenu;
    const auto bar = BackSource::Toolbar;
    const struct {
        const char* name;
        BackContext context;
        BackOutcome outcome;
    } cases[] = {
        {"history first", {single, menu, true, true, true}, {S::PageBack, false}},
        {"tabs go home", {WindowMode::Tabbed, bar, false, false, true}, {S::Home, false}},
        {"menu in a folder", {single, menu, false, false, true}, {S::LeaveWindow, false}},
        {"menu outside folders", {single, menu, false, false, false}, {S::Home, false}},
        {"document of a folder", {single, bar, false, true, true}, {S::LeaveWindow, false}},
        {"document outside folders", {single, bar, false, true, false}, {S::Home, false}},
        {"first page of a website", {single, bar, false, false, false}, {S::LeaveWindow, true}},
        {"first page of a folder's website", {single, bar, false, false, true}, {S::LeaveWindow, true}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VisitRules::back(c.context), c.outcome) << c.name;
    EXPECT_FALSE(VisitRules::endOfVisit(preferences(Plain), VisitEnd::WindowClosed, {}).isEmpty());
}
