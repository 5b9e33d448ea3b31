#include "browser/ui/PageFilePicker.h"

namespace korvel {

namespace {

PageFilePicker::Factory& factory()
{
    static PageFilePicker::Factory installed;
    return installed;
}

}  // namespace

void PageFilePicker::setFactory(Factory f)
{
    factory() = std::move(f);
}

Screen* PageFilePicker::make(const PageFileRequest& request, Finished finished)
{
    return factory() ? factory()(request, std::move(finished)) : nullptr;
}

}  // namespace korvel
