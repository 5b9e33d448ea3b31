#pragma once

#include "browser/ui/TabContainer.h"

#include <QList>

#include <functional>

namespace korvel {

// The container with work that waits for its view: blocks added before the view has loaded run
// right after it has (in order); added later, they run at once.
class TabbarController : public TabContainer {
    Q_OBJECT
public:
    using TabContainer::TabContainer;

    void addPendingBlockIntendedToBeExecutedAfterViewDidLoad(std::function<void()> block);
    void viewDidLoad() override;

private:
    QList<std::function<void()>> m_pending;
    bool m_viewLoaded = false;
};

}  // namespace korvel
