#include "browser/ui/WindowPage.h"

#include "browser/PageZoom.h"
#include "browser/ui/KVWebPage.h"
#include "browser/ui/KorvelWebEngine.h"
#include "platform/Paths.h"
#include "settings/KVBrowserPrefSettings.h"

#include <QFile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace korvel {

WindowPage::WindowPage(PageHost* host, QWebEngineView* view, KVWebPage* adopted, QObject* parent)
    : QObject(parent)
    , m_host(host)
    , m_view(view)
{
    if (adopted) {
        m_page = adopted;
        m_page->setParent(m_view);
    } else {
        m_page = new KVWebPage(m_host, PageRole::Window, m_view);
    }
    m_view->setPage(m_page);
    relay();
}

void WindowPage::relay()
{
    connect(m_page, &QWebEnginePage::loadStarted, this, &WindowPage::loadStarted);
    connect(m_page, &QWebEnginePage::loadProgress, this, &WindowPage::loadProgress);
    connect(m_page, &QWebEnginePage::loadFinished, this, &WindowPage::loadFinished);
    connect(m_page, &QWebEnginePage::loadingChanged, this, &WindowPage::loadingChanged);
    connect(m_page, &QWebEnginePage::urlChanged, this, &WindowPage::urlChanged);
    connect(m_page, &QWebEnginePage::certificateError, this, &WindowPage::certificateError);
    connect(m_page, &QWebEnginePage::authenticationRequired, this, &WindowPage::authenticationRequired);
    connect(m_page, &QWebEnginePage::printRequested, this, &WindowPage::printRequested);
    connect(m_page, &QWebEnginePage::windowCloseRequested, this, &WindowPage::windowCloseRequested);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this, &WindowPage::renderProcessTerminated);
    connect(m_page, &QWebEnginePage::renderProcessPidChanged, this, &WindowPage::renderProcessPidChanged);
}

void WindowPage::prepare(const KVBrowserPrefSettings& p)
{
    KorvelWebEngine::applySettings(m_page->settings(), p);
    // Without zoom the page may not scale itself either, from its first paint on.
    const QList<QWebEngineScript> old = m_page->scripts().find(QStringLiteral("korvel-viewport"));
    for (const QWebEngineScript& script : old)
        m_page->scripts().remove(script);
    // The kiosk's style rules from each document's creation on, so that the end of a load restyles
    // nothing: on a large page a late sheet cost seconds of the renderer's time.
    if (m_page->scripts().find(QStringLiteral("korvel-kiosk-style")).isEmpty()) {
        QFile custom(Paths::resourceFile(QStringLiteral("customJS.js")));
        if (custom.open(QIODevice::ReadOnly)) {
            QWebEngineScript style;
            style.setName(QStringLiteral("korvel-kiosk-style"));
            style.setInjectionPoint(QWebEngineScript::DocumentCreation);
            style.setRunsOnSubFrames(false);
            style.setWorldId(QWebEngineScript::MainWorld);  // where the load's end looks for it
            style.setSourceCode(QString::fromUtf8(custom.readAll()) + QStringLiteral("\naddCSS();"));
            m_page->scripts().insert(style);
        }
    }
    if (!p.zoomEnable) {
        QWebEngineScript viewport;
        viewport.setName(QStringLiteral("korvel-viewport"));
        viewport.setInjectionPoint(QWebEngineScript::DocumentReady);
        viewport.setRunsOnSubFrames(false);
        viewport.setSourceCode(PageZoom::committedScript(p));
        m_page->scripts().insert(viewport);
    }
}

void WindowPage::renew(const KVBrowserPrefSettings& p)
{
    KVWebPage* old = m_page;
    old->disconnect(this);
    old->triggerAction(QWebEnginePage::Stop);
    m_page = new KVWebPage(m_host, PageRole::Window, m_view);
    relay();
    m_view->setPage(m_page);
    old->deleteLater();
    prepare(p);
}

}  // namespace korvel
