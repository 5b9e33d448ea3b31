#pragma once

#include "platform/ui/Screen.h"

namespace korvel {

class KVWebView;
struct allowedWebsite;

// A browser window as the tabs hold it: the tabs show, hide, quieten and close their windows
// without knowing the window itself (the routes make them).
class BrowserTab : public Screen {
    Q_OBJECT
public:
    using Screen::Screen;

    virtual KVWebView* webView() const = 0;
    // The tab shows its own home page, not a website.
    virtual bool showsHomePage() const = 0;
    // The website the tab counts as showing (the tab's label and its visit follow it).
    virtual void setSelectedWebsite(const allowedWebsite& website) = 0;
    // The tab was hidden behind another: its sound and video stop.
    virtual void stopMediaOfHiddenTab() = 0;
};

}  // namespace korvel
