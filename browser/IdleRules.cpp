#include "browser/IdleRules.h"

#include "settings/KVBrowserPrefSettings.h"

namespace korvel::IdleRules {

namespace {

void appendPowerSaving(const KVBrowserPrefSettings& p, bool powerSaveOn, QList<IdleAction>& actions)
{
    if (powerSaveOn)
        return;
    if (p.enableScheduleSuspend)
        actions << IdleAction::PowerSaverModeSwitch;
    else if (p.alwaysSavePower)
        actions << IdleAction::PowerStateOn;
}

bool windowWantsTimer(const KVBrowserPrefSettings& p, bool powerSaveOn)
{
    if (p.goHomeOnIdleTimeout || p.enableScreenSaver)
        return true;
    if (powerSaveOn)
        return false;
    return p.alwaysSavePower || p.enableScheduleSuspend;
}

QList<IdleAction> windowIdleActions(const KVBrowserPrefSettings& p, const IdleState& state)
{
    QList<IdleAction> actions;
    if (p.enableScreenSaver || p.goHomeOnIdleTimeout) {
        if (state.menuOpened)
            actions << IdleAction::Home;
        // A tabbed window leaves the screensaver to the tabs.
        if (state.mode == WindowMode::SingleWindow && p.enableScreenSaver)
            actions << IdleAction::StartScreensaver;
        if (p.goHomeOnIdleTimeout) {
            if (state.mediaKnown)
                actions << IdleAction::PauseMedia;
            // Nothing of this visitor is left for the next one: a single window's Home ends the
            // visit; a tab's Home may find its tab at home while others still show websites.
            if (state.mode == WindowMode::Tabbed)
                actions << IdleAction::EndVisit;
            actions << IdleAction::GoHomeUI;
        }
    }
    appendPowerSaving(p, state.powerSaveOn, actions);
    actions << IdleAction::LogIdleTimeExceeded;
    return actions;
}

bool homeWantsTimer(const KVBrowserPrefSettings& p, const IdleState& state)
{
    if (!state.isTop)
        return false;
    return p.enableScreenSaver || (!state.powerSaveOn && (p.alwaysSavePower || p.enableScheduleSuspend))
           || (p.idleTimeout != 0 && state.categoryOpen);
}

QList<IdleAction> homeIdleActions(const KVBrowserPrefSettings& p, const IdleState& state)
{
    QList<IdleAction> actions;
    if (p.goHomeOnIdleTimeout && state.categoryOpen)
        actions << IdleAction::LeaveCategory;
    // The visitor may have come back to the home screen by the Home button: idle ends the visit.
    if (p.goHomeOnIdleTimeout)
        actions << IdleAction::EndVisit;
    if (p.enableScreenSaver && !p.screenSaverURL.isEmpty())
        actions << IdleAction::LogIdleTimeExceeded << IdleAction::StartScreensaver;
    appendPowerSaving(p, state.powerSaveOn, actions);
    return actions;
}

}  // namespace

bool timersEnabled(const KVBrowserPrefSettings& p)
{
    return p.idleTimeout >= 10;
}

bool wantsTimer(const KVBrowserPrefSettings& p, const IdleState& state)
{
    if (!timersEnabled(p))
        return false;
    switch (state.screen) {
    case IdleScreen::Window:
        return windowWantsTimer(p, state.powerSaveOn);
    case IdleScreen::Home:
        return homeWantsTimer(p, state);
    case IdleScreen::Tabs:
        // Only the screensaver is the tabs' to start; the windows in them run their own timers.
        return p.enableScreenSaver;
    }
    return false;
}

QList<IdleAction> idleActions(const KVBrowserPrefSettings& p, const IdleState& state)
{
    switch (state.screen) {
    case IdleScreen::Window:
        return windowIdleActions(p, state);
    case IdleScreen::Home:
        return homeIdleActions(p, state);
    case IdleScreen::Tabs:
        if (p.enableScreenSaver)
            return {IdleAction::StartScreensaver, IdleAction::LogIdleTimeExceeded};
        return {IdleAction::LogIdleTimeExceeded};
    }
    return {};
}

bool homeStopsObservingOnDisappear(const KVBrowserPrefSettings& p)
{
    return p.enableScreenSaver && timersEnabled(p) && !p.screenSaverURL.isEmpty();
}

}  // namespace korvel::IdleRules
