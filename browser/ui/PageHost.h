#pragma once

#include "browser/PageFiles.h"
#include "browser/ui/PageDialogs.h"
#include "policy/NavigationPolicy.h"

#include <QString>
#include <QStringList>

class QWebEnginePage;

namespace korvel {

class KVWebPage;

// What a page asks of the window that shows it. Pages and pop-ups know this and nothing of the
// window behind it.
class PageHost {
public:
    virtual ~PageHost() = default;

    // The page's question "may I go there?"; the host carries out the decision's effects.
    virtual bool decideNavigation(KVWebPage* page, const NavigationAction& action) = 0;
    // A page for the page's request for a new window; nullptr refuses it.
    virtual QWebEnginePage* createPopupPage() = 0;
    // Shows a page dialog and waits for the answer; `result` receives a prompt's text.
    virtual bool runPageDialog(PageDialogs::Kind kind, const QString& message, const QString& defaultValue, QString* result) = 0;
    // The files the person chose for the page's file input, or none.
    virtual QStringList choosePageFiles(const PageFileRequest& request) = 0;
};

}  // namespace korvel
