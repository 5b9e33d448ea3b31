#include "app/ui/ShellRoutes.h"

#include "admin/ui/KVFilePickerController.h"
#include "admin/ui/KVMainMenuViewController.h"
#include "browser/PowerSaver.h"
#include "browser/ui/ReaderHooks.h"
#include "browser/ui/StandardRoutes.h"
#include "files/ui/FilesRoutes.h"
#include "platform/ui/NavigationStack.h"
#include "transfer/ui/TransferRoutes.h"

namespace korvel {

void ShellRoutes::install(NavigationStack* stack)
{
    Routes routes = StandardRoutes::make();
    routes.showSettings = [](NavigationStack* on) { on->push(new KVMainMenuViewController, NavigationStack::Animation::None); };
    routes.pickFiles = &KVFilePickerController::forPage;
    routes.wakePowerSaver = [] {
        if (PowerSaver* saver = PowerSaver::current())
            saver->powerStateOff();
    };
    Routes::install(std::move(routes));
    // A QR code without a camera: a picture of Documents, chosen as a page's file input chooses.
    TransferRoutes::install({[](Screen* over, std::function<void(const QString&)> chosen) {
        NavigationStack* on = over->navigationStack();
        if (!on)
            return;
        const PageFileRequest pictures{FileSelection::Single, {QStringLiteral("image/*")}, {}};
        on->present(KVFilePickerController::forPage(pictures,
                                                    [chosen = std::move(chosen)](const QStringList& paths) {
                                                        if (!paths.isEmpty())
                                                            chosen(paths.first());
                                                    }),
                    NavigationStack::Animation::Animated);
    }});
    ReaderHooks::install(stack);
}

void ShellRoutes::remove()
{
    Routes::install({});
    TransferRoutes::install({});
    FilesRoutes::install({});
}

}  // namespace korvel
