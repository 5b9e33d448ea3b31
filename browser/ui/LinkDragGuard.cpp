#include "browser/ui/LinkDragGuard.h"

#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"

#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace korvel {

namespace {

const QString scriptName = QStringLiteral("korvel-drag-guard");

// Added at the document's creation, so its listener on the window comes before any of the page's:
// the page can neither remove it nor stop the event before it.
const char* const guardSource = R"((function () {
    window.addEventListener('dragstart', function (event) {
        const source = event.target;
        if (source instanceof Element && source.getAttribute('draggable') === 'true'
            && source.tagName !== 'IMG' && !source.closest('a[href], area[href]'))
            return;
        event.preventDefault();
    }, true);
})();)";

void apply(QWebEngineProfile* profile, bool copyPasteAllowed)
{
    QWebEngineScriptCollection* scripts = profile->scripts();
    const QList<QWebEngineScript> present = scripts->find(scriptName);
    if (copyPasteAllowed) {
        for (const QWebEngineScript& script : present)
            scripts->remove(script);
        return;
    }
    if (!present.isEmpty())
        return;
    QWebEngineScript guard;
    guard.setName(scriptName);
    guard.setInjectionPoint(QWebEngineScript::DocumentCreation);
    guard.setWorldId(QWebEngineScript::ApplicationWorld);
    guard.setRunsOnSubFrames(true);
    guard.setSourceCode(QString::fromLatin1(guardSource));
    scripts->insert(guard);
}

}  // namespace

void LinkDragGuard::follow(QWebEngineProfile* profile)
{
    apply(profile, KVSettings::getSettingsObject().kvBrowPref.enableCopyPaste);
    QObject::connect(&UserDefaults::standard(), &UserDefaults::changed, profile,
                     [profile] { apply(profile, KVSettings::getSettingsObject().kvBrowPref.enableCopyPaste); });
}

}  // namespace korvel
