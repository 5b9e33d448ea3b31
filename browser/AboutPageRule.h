#pragma once

#include <QUrl>

namespace korvel {

// The engine commits pages of its "about:" scheme without asking the navigation policy: a link or
// a script reaching about:blank, or about:config (which it turns into about:blank#blocked). No such
// page is ever allowed, so the window takes the person back to the page that was showing.
class AboutPageRule {
public:
    enum class Action {
        Keep,       // not an about: page, nothing to go back to, or the window blanked itself
        GoBack,     // the page before is the history entry behind the about: page
        LoadAgain,  // the about: page replaced that entry: load the page again
        GoHome,     // the page went to about: again right after it was restored: no loop of reloads
    };

    // A page that leaves for about: again within this time of being restored is not restored again.
    static constexpr int restoreRestSeconds = 10;

    // `committed`: the page the main frame now shows; `lastPage`: the page it showed before;
    // `backEntry`: the history entry one step back (empty when none); `windowInUse`: false while
    // the window leaves or the device sleeps, when the window blanks the page itself;
    // `secondsSinceRestore`: since the window last restored a page this way (negative: never).
    static Action restore(const QUrl& committed, const QUrl& lastPage, const QUrl& backEntry, bool windowInUse,
                          qint64 secondsSinceRestore);
};

}  // namespace korvel
