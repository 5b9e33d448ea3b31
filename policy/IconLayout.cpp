#include "policy/IconLayout.h"

#include "platform/UserDefaults.h"
#include "settings/KVSettings.h"

namespace korvel {

EditOutcome IconLayout::reset(KVSettings& settings, UserDefaults& defaults)
{
    for (allowedWebsite& website : settings.allowedWebsites) {
        website.landscapeFrame = Frame{};
        website.portraitFrame = Frame{};
        website.isResetForFrame = true;
    }
    for (allowedWebsiteCategory& category : settings.allowedWebsitesCategories) {
        category.landscapeFrame = Frame{};
        category.portraitFrame = Frame{};
    }
    defaults.setObject(QLatin1String(hasDraggedKey), false);
    return EditOutcome::saved(settings.save(), -1, QStringLiteral("Icon Layout set to default"));
}

}  // namespace korvel
