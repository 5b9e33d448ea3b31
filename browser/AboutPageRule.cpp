#include "browser/AboutPageRule.h"

namespace korvel {

AboutPageRule::Action AboutPageRule::restore(const QUrl& committed, const QUrl& lastPage, const QUrl& backEntry,
                                             bool windowInUse)
{
    if (committed.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) != 0 || !windowInUse || lastPage.isEmpty()
        || lastPage.scheme().compare(QLatin1String("about"), Qt::CaseInsensitive) == 0)
        return Action::Keep;
    return backEntry.matches(lastPage, QUrl::StripTrailingSlash) ? Action::GoBack : Action::LoadAgain;
}

}  // namespace korvel
