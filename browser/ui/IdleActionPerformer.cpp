#include "browser/ui/IdleActionPerformer.h"

#include "browser/IdleTimer.h"
#include "browser/PowerSaver.h"
#include "browser/ui/KVScreensaver.h"
#include "platform/ui/Screen.h"
#include "browser/ui/VisitEndPerformer.h"
#include "log/KVLog.h"
#include "platform/ui/NavigationStack.h"
#include "settings/KVSettings.h"

namespace korvel {

namespace {

void run(const std::function<void()>& action)
{
    Q_ASSERT(action);
    if (action)
        action();
}

}  // namespace

IdleTimer* IdleActionPerformer::makeTimer(std::function<IdleState()> state, std::function<void()> exceeded, QObject* parent)
{
    return new IdleTimer({[] { return double(KVSettings::getSettingsObject().kvBrowPref.idleTimeout); },
                          [state = std::move(state)] { return IdleRules::wantsTimer(KVSettings::getSettingsObject().kvBrowPref, state()); },
                          std::move(exceeded)},
                         parent);
}

void IdleActionPerformer::timerExceeded(const IdleState& state, const ScreenActions& screen)
{
    perform(IdleRules::idleActions(KVSettings::getSettingsObject().kvBrowPref, state), state.mode, screen);
}

void IdleActionPerformer::perform(const QList<IdleAction>& actions, WindowMode mode, const ScreenActions& screen)
{
    for (const IdleAction action : actions) {
        switch (action) {
        case IdleAction::Home:
            run(screen.home);
            break;
        case IdleAction::StartScreensaver:
            KVScreensaver::getScreensaverObject()->playMovie();
            break;
        case IdleAction::PauseMedia:
            run(screen.pauseMedia);
            break;
        case IdleAction::EndVisit:
            VisitEndPerformer::endVisit(VisitEnd::Idle, {mode, true, false});
            break;
        case IdleAction::GoHomeUI:
            run(screen.goHomeUI);
            break;
        case IdleAction::LeaveCategory:
            run(screen.leaveCategory);
            break;
        case IdleAction::PowerSaverModeSwitch:
            if (PowerSaver* saver = PowerSaver::current())
                saver->powerSaverModeSwitch();
            break;
        case IdleAction::PowerStateOn:
            if (PowerSaver* saver = PowerSaver::current())
                saver->powerStateOn();
            break;
        case IdleAction::LogIdleTimeExceeded:
            KVLog(QStringLiteral("Webview"), QStringLiteral("idletime exceeded"));
            break;
        }
    }
}

void IdleActionPerformer::stopScreensaver()
{
    KVScreensaver::getScreensaverObject()->stopMovie();
}

void IdleActionPerformer::onScreensaverAborted(Screen* screen, std::function<void()> touched)
{
    QObject::connect(KVScreensaver::getScreensaverObject(), &KVScreensaver::playbackAborted, screen,
                     [screen, touched = std::move(touched)](Screen* top) {
                         if (top == screen)
                             touched();
                     });
}

}  // namespace korvel
