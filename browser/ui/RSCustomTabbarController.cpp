#include "browser/ui/RSCustomTabbarController.h"

namespace korvel {

void RSCustomTabbarController::addPendingBlockIntendedToBeExecutedAfterViewDidLoad(std::function<void()> block)
{
    if (m_viewLoaded) {
        block();
        return;
    }
    m_pending.append(std::move(block));
}

void RSCustomTabbarController::viewDidLoad()
{
    RSCustomTabbarControllerBasic::viewDidLoad();
    m_viewLoaded = true;
    for (const std::function<void()>& block : std::exchange(m_pending, {}))
        block();
}

}  // namespace korvel
