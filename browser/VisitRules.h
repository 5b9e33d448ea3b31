#pragma once

#include "policy/NavigationPolicy.h"

#include <QList>

namespace korvel {

struct KVBrowserPrefSettings;

// The ways a visitor's visit ends (or, at the home screen's start, is known to be over).
enum class VisitEnd {
    Start,            // the home screen is made: whatever was kept before belongs to no visitor here
    Home,             // the Home action
    Idle,             // the idle timeout sends the kiosk home
    Settings,         // the administrator opens the settings over the browser
    BackOutOfWindow,  // Back leaves a window (a website of the home screen or of one of its folders)
    TabClosed,        // a tab is closed
    WindowClosed,     // a window closes itself: its first answer was a file (download or reader)
};

// What the end of a visit does, in this order.
enum class VisitEffect {
    ForgetVisitor,         // every kind of data the visit's pages kept, in every tab (cookies, local and
                           // session storage, IndexedDB, Cache Storage, service workers, caches): its
                           // profile goes and every page moves to a fresh one
    DeleteCookies,         // the cookies of the profile kept on disk
    ClearCache,            // the offline application cache and every cached response ("Cache cleaned")
    ClearClipboard,        // what the visitor copied
    WithholdVisitorFiles,  // the files the visit produced (downloads, printouts) are offered to no page
};

// What the screen knows of the visit when it ends.
struct VisitState {
    WindowMode mode = WindowMode::SingleWindow;
    // Home in a tab: the tab left a website (not its home page again) for its home page.
    bool websiteLeft = true;
    // A tab was closed while another tab still shows a website: the visit goes on there.
    bool websitesStillOpen = false;
};

// Where Back was asked for: the toolbar (or its overflow menu) or the floating button's page menu.
enum class BackSource { Toolbar, PageMenu };

// What the window knows when Back is asked for.
struct BackContext {
    WindowMode mode = WindowMode::SingleWindow;
    BackSource source = BackSource::Toolbar;
    bool canGoBack = false;   // the page has history to go back through
    bool showsFile = false;   // the page shown is a local file
    bool inCategory = false;  // the window's website belongs to a folder of the home screen
};

// What Back does: through the page's history, the Home action, or out of the window (which ends
// the visit as BackOutOfWindow, whatever the way out).
enum class BackStep { PageBack, Home, LeaveWindow };
struct BackOutcome {
    BackStep step = BackStep::Home;
    bool animated = false;  // leaving the window slides it away
    bool operator==(const BackOutcome&) const = default;
};

namespace VisitRules {

// What Back does from `context`.
BackOutcome back(const BackContext& context);

// Whether each visit lives in an engine profile of its own, held in memory only ("PrivateBrowsing").
bool visitsApart(const KVBrowserPrefSettings& p);

// The effects of the visit ending by `end`, in order; empty when the visit goes on.
QList<VisitEffect> endOfVisit(const KVBrowserPrefSettings& p, VisitEnd end, const VisitState& state);

// Whether a window opened for `website` still has it after the allowed list became `list` (the
// same address listed); opened again, a website no longer listed would only show its refusal.
bool stillListed(const allowedWebsite& website, const QList<allowedWebsite>& list);

}  // namespace VisitRules

}  // namespace korvel
