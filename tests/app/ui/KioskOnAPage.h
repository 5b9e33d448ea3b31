#pragma once

#include "app/ui/KVMainWindow.h"
#include "app/ui/KorvelShell.h"
#include "browser/ui/KVHomePageViewController.h"
#include "tests/browser/ui/WebWindowTest.h"

#include <memory>

namespace korvel::test {

// The whole kiosk (shell, window, home screen) with one allowed website, opened from its icon as a
// visitor opens it.
class KioskOnAPage : public TestHome {
protected:
    void TearDown() override
    {
        shell.reset();
        TestHome::TearDown();
    }

    // Lists `address` as the only website (titled `title`, which its page carries too), keeps the
    // other settings as the test left them, starts the kiosk and opens the website; the window
    // once its page has loaded, or nullptr.
    KVWKViewController* openOnly(const QString& address, const QString& title)
    {
        allowedWebsite site;
        site.url = address;
        site.title = title;
        KVSettings& s = settings();
        s.allowedWebsites = {site};
        s.save();
        KVLogger::createDatabase_Tables();
        shell = std::make_unique<KorvelShell>();
        shell->show();
        NavigationStack* stack = shell->window().navigationStack();
        KVHomePageViewController* home = nullptr;
        if (!processEventsUntil([&] { return (home = qobject_cast<KVHomePageViewController*>(stack->topScreen())) != nullptr; }))
            return nullptr;
        home->didSelectItem(0);
        auto* window = qobject_cast<KVWKViewController*>(stack->topScreen());
        if (!window || !processEventsUntil([&] { return window->webView()->title() == title; }, 20000))
            return nullptr;
        return window;
    }

    std::unique_ptr<KorvelShell> shell;
};

}  // namespace korvel::test
