#pragma once

#include "app/ui/LanguageSwitch.h"

#include <QObject>

namespace korvel {

class NavigationStack;

// Speaks the "LargerText" and "HighContrast" preferences: at the start and whenever they change,
// the theme's text scale and colours, the application's palette, font and style rules, and the
// zoom of every open page follow them. The screens are then made anew as for a new language, at
// once when nobody is visiting a page, else once the visitor is back on the home screen.
class LookSwitch final : public QObject {
    Q_OBJECT
public:
    LookSwitch(NavigationStack* stack, LanguageSwitch::Hooks hooks, QObject* parent = nullptr);

    // Applies the preferences to the theme and the application; returns whether the look changed.
    // Called once before the first screen is made, so that it is made in the right look.
    static bool follow();

Q_SIGNALS:
    // After the preferences changed the look, before the screens are made anew.
    void lookChanged();

private:
    void rebuildWhenPossible();

    NavigationStack* m_stack;
    LanguageSwitch::Hooks m_hooks;
    bool m_rebuildPending = false;
};

}  // namespace korvel
