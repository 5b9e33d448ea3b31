#include "files/ui/FilesRoutes.h"

namespace korvel {

namespace {

FilesRoutes& installed()
{
    static FilesRoutes routes;
    return routes;
}

}  // namespace

const FilesRoutes& FilesRoutes::current()
{
    return installed();
}

void FilesRoutes::install(FilesRoutes routes)
{
    installed() = std::move(routes);
}

}  // namespace korvel
