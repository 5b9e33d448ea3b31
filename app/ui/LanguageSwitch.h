#pragma once

#include <QLocale>
#include <QObject>

#include <functional>

namespace korvel {

class NavigationStack;

// Speaks the "Language" preference: at the start and whenever it changes, the catalogue of the
// language, the direction the screens run in (right to left for Arabic), the Accept-Language of
// every engine profile and the on-screen keyboard's layouts follow it. The screens are then made
// anew in it through `rebuild`, at once when nobody is visiting a page, else when the visitor is
// back on the home screen: a page on screen is not taken from its visitor.
class LanguageSwitch final : public QObject {
    Q_OBJECT
public:
    struct Hooks {
        // True while the settings are open.
        std::function<bool()> settingsOpen;
        // True while the home screen or the welcome screen is the visible screen.
        std::function<bool()> atStart;
        // Makes every screen anew (settings open: reopens them).
        std::function<void(bool settingsOpen)> rebuild;

        // Makes the screens anew now if nobody is visiting a page, else sets `pending` (before
        // the rebuild, which changes the screen it is waiting for).
        void rebuildNowOrLater(bool& pending) const;
    };
    LanguageSwitch(NavigationStack* stack, Hooks hooks, QObject* parent = nullptr);

    QLocale current() const { return m_current; }
    // Applies the preference; returns whether the language changed.
    bool follow();

private:
    void apply(const QLocale& locale);
    void rebuildWhenPossible();

    NavigationStack* m_stack;
    Hooks m_hooks;
    QLocale m_current;
    bool m_applied = false;
    bool m_rebuildPending = false;
};

}  // namespace korvel
