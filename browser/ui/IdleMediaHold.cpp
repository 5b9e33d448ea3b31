#include "browser/ui/IdleMediaHold.h"

#include "browser/PowerSaver.h"
#include "browser/ui/KVScreensaver.h"
#include "platform/ui/NavigationStack.h"

#include <QWebEnginePage>
#include <QWebEngineScript>

namespace korvel {

namespace {

// In the kiosk's own script world: the mark that says who paused an element is not the page's to
// see or forge.
const QString holdScript = QStringLiteral(
    "document.querySelectorAll('video, audio').forEach(m => { if (!m.paused) { m.pause(); m.korvelHeld = true; } }); 0");
const QString releaseScript = QStringLiteral(
    "document.querySelectorAll('video, audio').forEach(m => { if (m.korvelHeld) { delete m.korvelHeld; m.play().catch(() => {}); } }); 0");

}  // namespace

IdleMediaHold::IdleMediaHold(std::function<QList<QWebEnginePage*>()> pages, QObject* owner)
    : QObject(owner)
    , m_pages(std::move(pages))
{
    KVScreensaver* screensaver = KVScreensaver::getScreensaverObject();
    connect(screensaver, &KVScreensaver::shown, this, [this] {
        m_screensaver = true;
        cover(true);
    });
    connect(screensaver, &KVScreensaver::stopped, this, [this] {
        m_screensaver = false;
        cover(m_dimmed);
    });
    if (PowerSaver* saver = PowerSaver::current()) {
        m_dimmed = saver->powerSaveOn();
        connect(saver, &PowerSaver::powerSaveChanged, this, [this](bool on) {
            m_dimmed = on;
            cover(m_dimmed || m_screensaver);
        });
    }
}

void IdleMediaHold::cover(bool covered)
{
    if (covered == m_held)
        return;
    m_held = covered;
    for (QWebEnginePage* page : m_pages()) {
        if (page)
            page->runJavaScript(covered ? holdScript : releaseScript, QWebEngineScript::ApplicationWorld);
    }
}

}  // namespace korvel
