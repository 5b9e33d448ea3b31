#include "browser/AdminAccess.h"

#include "platform/Clock.h"

namespace korvel {

namespace {

AdminAccess::Handler& handler()
{
    static AdminAccess::Handler installed;
    return installed;
}

QDateTime& start()
{
    static QDateTime time;
    return time;
}

}  // namespace

void AdminAccess::setGrantedHandler(Handler h)
{
    handler() = std::move(h);
}

void AdminAccess::granted(QWidget* screen)
{
    if (handler())
        handler()(screen);
}

void AdminAccess::setTimeStart(const QDateTime& time)
{
    start() = time;
}

QDateTime AdminAccess::timeStart()
{
    if (!start().isValid())
        start() = Clock::instance().now();
    return start();
}

}  // namespace korvel
