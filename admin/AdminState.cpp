#include "admin/AdminState.h"

namespace korvel {

namespace {

AdminState::Hooks& hooks()
{
    static AdminState::Hooks installed;
    return installed;
}

qint32& currentState()
{
    static qint32 value = 0;
    return value;
}

}  // namespace

void AdminState::setHooks(Hooks h)
{
    hooks() = std::move(h);
}

qint32 AdminState::state()
{
    return currentState();
}

void AdminState::setState(qint32 state)
{
    currentState() = state;
    if (hooks().stateChanged)
        hooks().stateChanged(state);
}

void AdminState::suspendKiosk()
{
    if (hooks().suspendKiosk)
        hooks().suspendKiosk();
}

void AdminState::resumeKiosk()
{
    if (hooks().resumeKiosk)
        hooks().resumeKiosk();
}

}  // namespace korvel
