#include "browser/ui/TabbarController.h"

namespace korvel {

void TabbarController::addPendingBlockIntendedToBeExecutedAfterViewDidLoad(std::function<void()> block)
{
    if (m_viewLoaded) {
        block();
        return;
    }
    m_pending.append(std::move(block));
}

void TabbarController::viewDidLoad()
{
    TabContainer::viewDidLoad();
    m_viewLoaded = true;
    for (const std::function<void()>& block : std::exchange(m_pending, {}))
        block();
}

}  // namespace korvel
