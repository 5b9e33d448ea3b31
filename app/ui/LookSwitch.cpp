#include "app/ui/LookSwitch.h"

#include "log/KVLog.h"
#include "platform/Legibility.h"
#include "platform/UserDefaults.h"
#include "platform/ui/NavigationStack.h"
#include "platform/ui/Screen.h"
#include "platform/ui/Theme.h"
#include "platform/ui/ThemeLegibility.h"
#include "settings/KVSettings.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace korvel {

LookSwitch::LookSwitch(NavigationStack* stack, LanguageSwitch::Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_stack(stack)
    , m_hooks(std::move(hooks))
{
    follow();
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, [this] {
        if (!follow())
            return;
        Q_EMIT lookChanged();
        rebuildWhenPossible();
    });
    connect(m_stack, &NavigationStack::transitionCompleted, this, [this] {
        if (m_rebuildPending && m_hooks.atStart && m_hooks.atStart())
            QMetaObject::invokeMethod(this, &LookSwitch::rebuildWhenPossible, Qt::QueuedConnection);
    });
}

bool LookSwitch::follow()
{
    const KVBrowserPrefSettings& p = KVSettings::getSettingsObject().kvBrowPref;
    const double scale = Legibility::textScale(p.largerText);
    const double before = ThemeLegibility::textScale();
    if (scale == before && p.highContrast == ThemeLegibility::highContrast())
        return false;
    ThemeLegibility::set(scale, p.highContrast);
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance()))
        Theme::apply(*application);
    // Open pages grow at once, keeping the zoom they had on top of the text scale.
    for (QWidget* w : QApplication::allWidgets()) {
        if (auto* view = qobject_cast<QWebEngineView*>(w); view && view->page())
            view->page()->setZoomFactor(view->page()->zoomFactor() * scale / before);
    }
    KVLog(QStringLiteral("Settings"), QStringLiteral("Text scale now %@, high contrast %@"), QString::number(scale),
          p.highContrast ? QStringLiteral("on") : QStringLiteral("off"));
    return true;
}

void LookSwitch::rebuildWhenPossible()
{
    m_hooks.rebuildNowOrLater(m_rebuildPending);
}

}  // namespace korvel
