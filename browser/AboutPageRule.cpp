#include "browser/AboutPageRule.h"

namespace korvel {

AboutPageRule::Action AboutPageRule::restore(const QUrl& committed, const QUrl& lastPage, const QUrl& backEntry,
                                             bool windowInUse, qint64 secondsSinceRestore)
{
    if (committed.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) != 0 || !windowInUse || lastPage.isEmpty()
        || lastPage.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) == 0)
        return Action::Keep;
    if (secondsSinceRestore >= 0 && secondsSinceRestore < restoreRestSeconds)
        return Action::GoHome;
    return backEntry.matches(lastPage, QUrl::StripTrailingSlash) ? Action::GoBack : Action::LoadAgain;
}

}  // namespace korvel
