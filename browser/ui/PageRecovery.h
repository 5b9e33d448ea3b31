#pragma once

#include "browser/HangWatch.h"
#include "browser/LoadStall.h"
#include "browser/MemoryGuard.h"
#include "platform/Timer.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QWebEnginePage>

#include <functional>

class QWebEngineLoadingInfo;
class QWebEngineView;

namespace korvel {

// Brings a window's page back when something other than the person took it away: a renderer that
// died or stopped answering (ended and reloaded; Home or a restart when a website keeps doing it),
// a load the engine never sent (loaded again) and an about: page the engine committed without
// asking (undone).
class PageRecovery final : public QObject {
    Q_OBJECT
public:
    struct Window {
        std::function<bool()> shown;  // the window is on screen
        std::function<bool()> inUse;  // ...and has not left for the settings
        std::function<void()> goHome;
        std::function<bool()> watched;  // on screen and not waiting for the person (a page dialog)
        std::function<QDateTime()> lastInput;  // the visitor's last touch; invalid: none yet
    };
    PageRecovery(QWebEngineView* view, Window window, QObject* parent);

    // The window loads its own blank page (it leaves, or the kiosk goes to the background): that
    // one stays until the window loads something else.
    void windowBlanks() { m_blankedByWindow = true; }
    void loadFinished(bool ok);
    void rendererTerminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode);
    void loadingChanged(const QWebEngineLoadingInfo& info);
    // A new navigation or renderer: a probe on its way may be lost without fault.
    void pageChanged();
    // The watch ticks (the window on screen with a page in a renderer).
    bool watching() const { return m_watch.isActive(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Something to watch: the window on screen with a page in a renderer, or a load waiting for
    // its first answer. The watch ticks only then; it wakes when the view is shown again, a
    // renderer comes or a load starts.
    bool needed() const;
    void wake();
    QPointer<QWebEngineView> m_view;
    Window m_window;
    void watchTick();
    void checkMemory();
    HangWatch m_hang;
    LoadStall m_stall;
    MemoryGuard m_memory;
    int m_ticks = 0;
    Timer m_watch;
    bool m_endedAsHung = false;
    bool m_blankedByWindow = false;
    // The last page other than an about: page the main frame showed.
    QUrl m_shownURL;
    QDateTime m_aboutRestoredAt;
};

}  // namespace korvel
