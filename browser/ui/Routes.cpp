#include "browser/ui/Routes.h"

namespace korvel {

namespace {

Routes& installed()
{
    static Routes routes;
    return routes;
}

}  // namespace

const Routes& Routes::current()
{
    return installed();
}

void Routes::install(Routes routes)
{
    installed() = std::move(routes);
}

}  // namespace korvel
