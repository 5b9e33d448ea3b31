#include "app/ui/LanguageSwitch.h"

#include "app/VirtualKeyboard.h"
#include "app/ui/KioskInput.h"
#include "browser/ui/EngineProfiles.h"
#include "log/KVLog.h"
#include "platform/Languages.h"
#include "platform/Translations.h"
#include "platform/UserDefaults.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

#include <QApplication>

namespace korvel {

LanguageSwitch::LanguageSwitch(NavigationStack* stack, Hooks hooks, QObject* parent)
    : QObject(parent)
    , m_stack(stack)
    , m_hooks(std::move(hooks))
{
    follow();
    connect(&UserDefaults::standard(), &UserDefaults::changed, this, [this] {
        if (follow())
            rebuildWhenPossible();
    });
    connect(m_stack, &NavigationStack::transitionCompleted, this, [this] {
        // Not from inside the stack's own change.
        if (m_rebuildPending && m_hooks.atStart && m_hooks.atStart())
            QMetaObject::invokeMethod(this, &LanguageSwitch::rebuildWhenPossible, Qt::QueuedConnection);
    });
}

bool LanguageSwitch::follow()
{
    const QLocale wanted = Languages::effective(KVSettings::getSettingsObject().kvBrowPref.language, QLocale::system(),
                                                Languages::shipped(Translations::directory()));
    if (m_applied && wanted == m_current)
        return false;
    const bool first = !m_applied;
    apply(wanted);
    if (!first)
        KVLog(QStringLiteral("Settings"), QStringLiteral("Language now %@"), m_current.name());
    return !first;
}

void LanguageSwitch::apply(const QLocale& locale)
{
    m_applied = true;
    m_current = locale;
    if (!Translations::install(locale))
        KVLog(QStringLiteral("Error"), QStringLiteral("No text catalogue for %@"), locale.name());
    // Numbers and dates in the screens' texts follow too.
    QLocale::setDefault(locale);
    QApplication::setLayoutDirection(locale.textDirection());
    EngineProfiles::instance().setAcceptLanguage(Languages::acceptLanguage(locale));
    KioskInput::offerKeyboardLayouts(Languages::keyboardLayouts(locale, VirtualKeyboard::builtInLayouts()));
}

void LanguageSwitch::Hooks::rebuildNowOrLater(bool& pending) const
{
    const bool open = settingsOpen && settingsOpen();
    pending = !open && !(atStart && atStart());
    if (!pending && rebuild)
        rebuild(open);
}

void LanguageSwitch::rebuildWhenPossible()
{
    m_hooks.rebuildNowOrLater(m_rebuildPending);
}

}  // namespace korvel
