#include "browser/ui/PageFilePicker.h"

#include "browser/ui/Routes.h"

namespace korvel {

Screen* PageFilePicker::make(const PageFileRequest& request, Finished finished)
{
    const auto& pick = Routes::current().pickFiles;
    return pick ? pick(request, std::move(finished)) : nullptr;
}

}  // namespace korvel
