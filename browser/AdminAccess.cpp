#include "browser/AdminAccess.h"

namespace korvel {

namespace {

AdminAccess::Handler& handler()
{
    static AdminAccess::Handler installed;
    return installed;
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

}  // namespace korvel
