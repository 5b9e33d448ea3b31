#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

#include <functional>
#include <optional>

namespace korvel {

class BrowserTab;
class KVWebPage;
class NavigationStack;
class Screen;
struct allowedWebsite;
struct PageFileRequest;

// The ways from one screen to another. A screen asks for a way by its name and never names the
// screen at the other end, so that screens do not include each other; the shell installs the ways
// once at launch (StandardRoutes fills the browser's own). A way left empty does nothing.
struct Routes {
    // A browser window for `website`, at `address` when given, pushed on `stack`.
    std::function<Screen*(const allowedWebsite& website, const QString& address, NavigationStack* stack)> openWebsite;
    // The reader for a document, pushed on `stack`.
    std::function<void(const QUrl& document, NavigationStack* stack)> openDocument;
    std::function<void(NavigationStack* stack)> showDownloads;
    // The tabbed browser, pushed on `stack`.
    std::function<Screen*(NavigationStack* stack)> openTabs;
    // The windows of the tabs: one for `website` at `address` (none: the tab's home page), and one
    // that takes over `page`, which another tab's page opened as a new window.
    std::function<BrowserTab*(const std::optional<allowedWebsite>& website, const QString& address)> tabWindow;
    std::function<BrowserTab*(KVWebPage* page, QWidget* parent)> tabWindowForPage;
    std::function<void(NavigationStack* stack)> goHome;
    // Sends the browser window open on `stack` Home, as the kiosk's own rules do, after `first`;
    // nothing when none is open.
    std::function<void(NavigationStack* stack, const std::function<void()>& first)> sendWindowHome;
    // Whether the screen on top of `stack` is a browser window (on its way Home, perhaps).
    std::function<bool(NavigationStack* stack)> windowOnTop;
    // The settings menu, once the password was accepted.
    std::function<void(NavigationStack* stack)> showSettings;
    // A screen that answers a page's file input; nullptr when none can be made.
    std::function<Screen*(const PageFileRequest& request, std::function<void(const QStringList& paths)> finished)> pickFiles;
    // What a touch on a sleeping kiosk wakes.
    std::function<void()> wakePowerSaver;
    std::function<void()> stopScreensaver;

    static const Routes& current();
    static void install(Routes routes);
};

}  // namespace korvel
