#include "browser/ui/StandardRoutes.h"

#include "browser/ui/BrowserTabsController.h"
#include "browser/ui/IdleActionPerformer.h"
#include "browser/ui/KVHomePageViewController.h"
#include "browser/ui/KVWKViewController.h"
#include "files/ui/KVDownloadHistoryViewController.h"
#include "files/ui/KVReaderVC.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QPointer>

namespace korvel {

Routes StandardRoutes::make()
{
    Routes routes;
    routes.goHome = [](NavigationStack* stack) {
        if (stack)
            stack->popToRoot(NavigationStack::Animation::None);
    };
    routes.sendWindowHome = [](NavigationStack* stack, const std::function<void()>& first) {
        for (Screen* screen : stack ? stack->screens() : QList<Screen*>()) {
            if (auto* window = qobject_cast<KVWKViewController*>(screen)) {
                if (first)
                    first();
                window->kioskHome();
                return;
            }
        }
    };
    routes.windowOnTop = [](NavigationStack* stack) { return stack && qobject_cast<KVWKViewController*>(stack->topScreen()); };
    routes.openWebsite = [](const allowedWebsite& website, const QString& address, NavigationStack* stack) -> Screen* {
        if (!stack)
            return nullptr;
        KVWKViewController* window =
            address.isEmpty() ? KVWKViewController::initWithWebsite(website) : KVWKViewController::initWithWebsite(website, address);
        // A single window leaves for the home screen; a tab stays and shows its own home page.
        if (!KVSettings::getSettingsObject().kvBrowPref.useMultiTab) {
            QPointer<NavigationStack> on(stack);
            QObject::connect(window, &KVWKViewController::homeRequested, stack, [on] {
                if (on && Routes::current().goHome)
                    Routes::current().goHome(on);
            });
        }
        // A single window shows no folder itself: the home screen opens it on return.
        QObject::connect(window, &KVWKViewController::categoryRequested, &KVHomePageViewController::showCategoryOnReturn);
        stack->push(window, NavigationStack::Animation::Animated);
        return window;
    };
    routes.tabWindow = [](const std::optional<allowedWebsite>& website, const QString& address) -> BrowserTab* {
        if (!website)
            return KVWKViewController::initWithWebsite(std::nullopt);
        return address.isEmpty() ? KVWKViewController::initWithWebsite(*website) : KVWKViewController::initWithWebsite(*website, address);
    };
    routes.tabWindowForPage = [](KVWebPage* page, QWidget* parent) -> BrowserTab* { return KVWKViewController::initWithPage(page, parent); };
    routes.openDocument = [](const QUrl& document, NavigationStack* stack) {
        if (stack && !document.isEmpty())
            stack->push(KVReaderVC::getPDFViewerClassObject(document), NavigationStack::Animation::Animated);
    };
    routes.showDownloads = [](NavigationStack* stack) { KVDownloadHistoryViewController::showOn(stack); };
    routes.openTabs = [](NavigationStack* stack) -> Screen* {
        if (!stack)
            return nullptr;
        auto* tabs = new BrowserTabsController;
        stack->push(tabs, NavigationStack::Animation::Animated);
        return tabs;
    };
    routes.stopScreensaver = &IdleActionPerformer::stopScreensaver;
    return routes;
}

}  // namespace korvel
