#include "browser/ui/PageRecovery.h"

#include "browser/AboutPageRule.h"
#include "log/KVLog.h"
#include "platform/Clock.h"

#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineView>

namespace korvel {

PageRecovery::PageRecovery(QWebEngineView* view, Window window, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_window(std::move(window))
{
}

void PageRecovery::loadFinished(bool ok)
{
    if (ok)
        m_renderer.loaded(Clock::instance().now());
}

void PageRecovery::rendererTerminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode)
{
    const QString address = m_view ? m_view->url().toString(QUrl::FullyEncoded) : QString();
    // The engine reports from inside its own bookkeeping of the dead process: act after it.
    switch (m_renderer.terminated(Clock::instance().now())) {
    case RendererRecovery::Action::Reload:
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process of %@ ended (status %d, exit code %d); reloading"), address,
              int(status), exitCode);
        QMetaObject::invokeMethod(this, [this] {
            if (m_view)
                m_view->reload();
        }, Qt::QueuedConnection);
        break;
    case RendererRecovery::Action::GoHome:
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process of %@ ended again (status %d, exit code %d); going home"),
              address, int(status), exitCode);
        // A window that has already left has no Home to go to: it only waits to be deleted.
        if (m_window.shown())
            QMetaObject::invokeMethod(this, [this] { m_window.goHome(); }, Qt::QueuedConnection);
        break;
    }
}

void PageRecovery::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() != QWebEngineLoadingInfo::LoadSucceededStatus || !m_view)
        return;
    const QUrl committed = info.url();
    QWebEngineHistory* history = m_view->history();
    const QUrl back = history->canGoBack() ? history->backItem().url() : QUrl();
    if (committed.scheme() != QLatin1String("about"))
        m_blankedByWindow = false;
    const bool inUse = m_window.inUse() && !m_blankedByWindow;
    const QDateTime now = Clock::instance().now();
    const qint64 sinceRestore = m_aboutRestoredAt.isValid() ? m_aboutRestoredAt.secsTo(now) : -1;
    const AboutPageRule::Action action = AboutPageRule::restore(committed, m_shownURL, back, inUse, sinceRestore);
    if (action == AboutPageRule::Action::GoBack || action == AboutPageRule::Action::LoadAgain)
        m_aboutRestoredAt = now;
    switch (action) {
    case AboutPageRule::Action::Keep:
        if (committed.scheme() != QLatin1String("about"))
            m_shownURL = committed;
        break;
    case AboutPageRule::Action::GoBack:
        // To that entry itself: the engine's Back skips an entry whose page navigated on its own.
        QMetaObject::invokeMethod(this, [this] {
            if (m_view && m_view->history()->canGoBack())
                m_view->history()->goToItem(m_view->history()->backItem());
        }, Qt::QueuedConnection);
        break;
    case AboutPageRule::Action::LoadAgain:
        QMetaObject::invokeMethod(this, [this, url = m_shownURL] {
            if (m_view)
                m_view->load(url);
        }, Qt::QueuedConnection);
        break;
    case AboutPageRule::Action::GoHome:
        KVLog(QStringLiteral("Webview"), QStringLiteral("%@ left for %@ again; going home"), m_shownURL.toString(QUrl::FullyEncoded),
              committed.toString(QUrl::FullyEncoded));
        QMetaObject::invokeMethod(this, [this] { m_window.goHome(); }, Qt::QueuedConnection);
        break;
    }
}

}  // namespace korvel
