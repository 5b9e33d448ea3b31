#include "browser/ui/PageRecovery.h"
#include "platform/KioskCounters.h"

#include "browser/AboutPageRule.h"
#include "browser/KioskRestart.h"
#include "browser/IdleMoment.h"
#include "browser/RendererRecovery.h"
#include "settings/KVSettings.h"
#include "log/KVLog.h"
#include "platform/Clock.h"
#include "platform/FormatString.h"
#include "platform/ProcessHeap.h"

#include <QEvent>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEngineScript>
#include <QWebEngineView>

#include <csignal>

namespace korvel {

PageRecovery::PageRecovery(QWebEngineView* view, Window window, QObject* parent)
    : QObject(parent)
    , m_view(view)
    , m_window(std::move(window))
    , m_watch(this)
{
    connect(&m_watch, &Timer::timeout, this, &PageRecovery::watchTick);
    if (m_view) {
        m_view->installEventFilter(this);
        // Any sign of an answer: the page committed (its address shown) or its load got past the
        // engine's first step.
        connect(m_view, &QWebEngineView::urlChanged, this, [this](const QUrl& url) {
            if (!url.isEmpty())
                m_stall.answered();
        });
        connect(m_view, &QWebEngineView::loadProgress, this, [this](int percent) {
            if (percent > 10)
                m_stall.answered();
        });
    }
    wake();
}

bool PageRecovery::needed() const
{
    return m_view && m_window.shown() && m_view->page() && (m_view->page()->renderProcessPid() > 0 || !m_stall.url().isEmpty());
}

void PageRecovery::wake()
{
    if (!m_watch.isActive() && needed())
        m_watch.start(std::chrono::seconds(1));
}

bool PageRecovery::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Show)
        wake();
    return QObject::eventFilter(watched, event);
}

void PageRecovery::pageChanged()
{
    m_hang.reset();
    wake();
}

void PageRecovery::loadFinished(bool)
{
    m_hang.reset();
    wake();
}

void PageRecovery::watchTick()
{
    if (!needed()) {
        // A view without a renderer answers no probe (it would wait for one forever) and has no
        // memory of its own; a hidden one is not watched.
        m_hang.reset();
        m_watch.stop();
        return;
    }
    QWebEnginePage* page = m_view->page();
    if (m_window.inUse() && m_stall.tick(Clock::instance().now()) == LoadStall::Action::LoadAgain) {
        KVLog(QStringLiteral("Webview"), QStringLiteral("The load of %@ has had no answer for %d s; loading it again"),
              m_stall.url().toString(QUrl::FullyEncoded), int(LoadStall::wait(m_stall.tries() - 1).count()));
        m_hang.reset();
        m_view->load(m_stall.url());
        return;
    }
    if (page->renderProcessPid() <= 0) {
        m_hang.reset();
        return;
    }
    // Every other second: /proc is cheap, but the renderer's size changes slowly.
    if (++m_ticks % 2 == 0 && m_window.inUse())
        checkMemory();
    switch (m_hang.tick(Clock::instance().now(), m_window.watched())) {
    case HangWatch::Action::Wait:
        return;
    case HangWatch::Action::Probe:
        page->runJavaScript(QStringLiteral("1"), QWebEngineScript::ApplicationWorld,
                            [self = QPointer<PageRecovery>(this), id = m_hang.probeId()](const QVariant&) {
                                if (self)
                                    self->m_hang.answered(id);
                            });
        return;
    case HangWatch::Action::Hung: {
        const qint64 pid = page->renderProcessPid();
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process %d of %@ has not answered for %d s; ending it"), int(pid),
              m_view->url().toString(QUrl::FullyEncoded), int(std::chrono::seconds(HangWatch::limit).count()));
        // The process cannot be asked to stop: it runs the page's script and nothing else. Its end
        // comes back as a terminated renderer, which reloads the page.
        if (pid > 0 && ::kill(pid_t(pid), SIGKILL) == 0)
            m_endedAsHung = true;
        return;
    }
    }
}

void PageRecovery::checkMemory()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    const qint64 pid = m_view->page()->renderProcessPid();
    const qint64 resident = MemoryGuard::residentBytes(pid);
    if (resident <= 0)
        return;
    const qint64 limit = MemoryGuard::limitBytes(p.rendererMemoryLimitMB, MemoryGuard::physicalBytes());
    if (m_memory.sample(resident, limit, m_window.lastInput(), Clock::instance().now(), IdleMoment::quiet(p.idleTimeout))
        == MemoryGuard::Action::Keep)
        return;
    KVLog(QStringLiteral("Webview"), QStringLiteral("Render process %d of %@ uses %d MB, more than %d MB; reloading the page"), int(pid),
          m_view->url().toString(QUrl::FullyEncoded), int(resident / MemoryGuard::mebibyte), int(limit / MemoryGuard::mebibyte));
    m_view->reload();
}

void PageRecovery::rendererTerminated(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode)
{
    const QUrl url = m_view ? m_view->url() : QUrl();
    const QString address = url.toString(QUrl::FullyEncoded);
    m_hang.reset();
    QString reason;
    if (std::exchange(m_endedAsHung, false)) {
        reason = QStringLiteral("ended as not answering");
    } else {
        switch (status) {
        case QWebEnginePage::NormalTerminationStatus:
            reason = QStringLiteral("ended");
            break;
        case QWebEnginePage::AbnormalTerminationStatus:
            reason = QStringLiteral("failed");
            break;
        case QWebEnginePage::CrashedTerminationStatus:
            reason = QStringLiteral("crashed");
            break;
        case QWebEnginePage::KilledTerminationStatus:
            reason = QStringLiteral("was killed");
            break;
        }
    }
    // Keyed by host: a website's pages share their renderers' fate.
    const QString website = url.host().isEmpty() ? url.scheme() : url.host();
    // The engine reports from inside its own bookkeeping of the dead process: act after it.
    KioskCounters::shared().rendererCrashes++;
    ProcessHeap::FreedMemory::shared().freed();
    switch (RendererRecovery::shared().ended(website, Clock::instance().now())) {
    case RendererRecovery::Action::Reload:
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process of %@ %@ (status %d, exit code %d); reloading"), address, reason,
              int(status), exitCode);
        QMetaObject::invokeMethod(this, [this] {
            if (m_view)
                m_view->reload();
        }, Qt::QueuedConnection);
        break;
    case RendererRecovery::Action::GoHome:
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process of %@ %@ (status %d, exit code %d), %d times within an hour; going home"),
              address, reason, int(status), exitCode, RendererRecovery::homeAt);
        // A window that has already left has no Home to go to: it only waits to be deleted.
        if (m_window.shown())
            QMetaObject::invokeMethod(this, [this] { m_window.goHome(); }, Qt::QueuedConnection);
        break;
    case RendererRecovery::Action::Restart:
        KioskRestart::request(formatString(QStringLiteral("render process of %@ %@, %d times within an hour"), address, reason,
                                           RendererRecovery::restartAt));
        break;
    }
}

void PageRecovery::loadingChanged(const QWebEngineLoadingInfo& info)
{
    if (info.status() == QWebEngineLoadingInfo::LoadStartedStatus) {
        m_stall.started(info.url(), Clock::instance().now());
        wake();
    } else {
        m_stall.answered();
    }
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
