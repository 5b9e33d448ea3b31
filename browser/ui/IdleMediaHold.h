#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

#include <functional>

class QWebEnginePage;

namespace korvel {

// A page's sound and video do not play on under the screensaver or the dimmed screen: what was
// playing pauses when either covers the kiosk and plays again when the kiosk wakes. Media the
// visitor had paused stays paused.
class IdleMediaHold final : public QObject {
    Q_OBJECT
public:
    // `pages` gives the pages of the owner at the moment (its page and a shown pop-up).
    IdleMediaHold(std::function<QList<QWebEnginePage*>()> pages, QObject* owner);

private:
    void cover(bool covered);

    std::function<QList<QWebEnginePage*>()> m_pages;
    bool m_screensaver = false;
    bool m_dimmed = false;
    bool m_held = false;
};

}  // namespace korvel
