#include "browser/ui/PopupWindows.h"

#include "browser/ui/KVWebPage.h"
#include "browser/ui/KVWebView.h"
#include "browser/ui/KorvelWebEngine.h"
#include "browser/ui/PageInputFilter.h"
#include "browser/ui/PopupFrame.h"
#include "log/KVLog.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

bool zoomEnabled()
{
    return KVSettings::getSettingsObject().kvBrowPref.zoomEnable;
}

}  // namespace

PopupWindows::PopupWindows(PageHost* host, QWidget* window)
    : QObject(window)
    , m_host(host)
    , m_window(window)
{
}

QWebEnginePage* PopupWindows::createCandidate()
{
    // It keeps the lockdown settings of the window's own page. Only the newest candidate may wait
    // for its first navigation: a page opening windows it never navigates (window.open('')) would
    // otherwise leave a page behind for each.
    if (m_pendingCandidate && m_pendingCandidate->isPopupCandidate())
        release(m_pendingCandidate);
    auto* page = new KVWebPage(m_host, PageRole::NewWindowCandidate, this);
    m_pendingCandidate = page;
    KorvelWebEngine::applySettings(page->settings(), KVSettings::getSettingsObject().kvBrowPref);
    // The page's own window.close(): only the pop-up showing this page goes, never a newer one.
    connect(page, &QWebEnginePage::windowCloseRequested, this, [this, page] {
        if (m_popup && m_popup->page() == page)
            close();
    });
    // A pop-up whose renderer died shows nothing any more: it goes.
    connect(page, &QWebEnginePage::renderProcessTerminated, this, [this, page] {
        KVLog(QStringLiteral("Error"), QStringLiteral("Render process of a pop-up ended"));
        if (m_popup && m_popup->page() == page)
            QMetaObject::invokeMethod(this, &PopupWindows::close, Qt::QueuedConnection);
    });
    return page;
}

void PopupWindows::release(KVWebPage* candidate)
{
    // Asked from inside the engine's own call on that page (its navigation request): the page
    // goes once that call has returned and the engine has let go of it.
    QMetaObject::invokeMethod(this, [page = QPointer<KVWebPage>(candidate)] {
        if (page)
            page->deleteLater();
    }, Qt::QueuedConnection);
}

void PopupWindows::show(KVWebPage* candidate)
{
    close();
    auto* view = new KVWebView;
    view->setPage(candidate);
    candidate->setParent(view);
    m_popup = view;
    // Zoom off holds in the pop-up as well.
    auto* input = new PageInputFilter([] { return zoomEnabled(); }, view);
    input->setEscapeAction([page = QPointer<KVWebPage>(candidate)] { return page && page->leaveFullScreen(); });
    connect(candidate, &QWebEnginePage::loadProgress, input, [input, view] { input->watch(view->focusProxy()); });
    auto* frame = new PopupFrame(view, m_window);
    connect(frame, &PopupFrame::closeRequested, this, &PopupWindows::close);
}

void PopupWindows::close()
{
    // The frame holds the view, and the view the page: all three go together.
    if (m_popup) {
        QWidget* frame = m_popup->parentWidget();
        frame->hide();
        frame->deleteLater();
        m_popup.clear();
    }
}

}  // namespace korvel
