#pragma once

#include <QDateTime>

#include <chrono>

namespace korvel {

// What a window does when the process drawing its page dies (a crash, running out of memory, a
// kill): the page is reloaded once; a second death goes Home, so a page that kills its renderer
// again and again cannot hold the kiosk on a blank or reloading page. A page that loaded and then
// ran `settle` without dying has recovered: its next death is a first one again.
class RendererRecovery {
public:
    static constexpr std::chrono::seconds settle{10};

    enum class Action { Reload, GoHome };

    Action terminated(const QDateTime& now);
    // The page loaded successfully at `now`.
    void loaded(const QDateTime& now);

private:
    int m_deaths = 0;
    QDateTime m_loadedAt;
};

}  // namespace korvel
