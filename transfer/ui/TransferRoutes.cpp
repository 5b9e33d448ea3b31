#include "transfer/ui/TransferRoutes.h"

namespace korvel {

namespace {

TransferRoutes& installed()
{
    static TransferRoutes routes;
    return routes;
}

}  // namespace

const TransferRoutes& TransferRoutes::current()
{
    return installed();
}

void TransferRoutes::install(TransferRoutes routes)
{
    installed() = std::move(routes);
}

}  // namespace korvel
