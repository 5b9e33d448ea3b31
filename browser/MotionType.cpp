#include "browser/MotionType.h"

#include "settings/KVSettings.h"

namespace korvel {

qint32 MotionType::getMotionType(KVSettings& settings)
{
    const qint32 type = settings.kvBrowPref.motionType;
    if (type >= 0 && type <= 2)
        return type;
    settings.kvBrowPref.motionType = 0;
    settings.save();
    settings.load();
    return 0;
}

QString MotionType::getMotionTypeString(KVSettings& settings)
{
    switch (getMotionType(settings)) {
    case 1:
        return QStringLiteral("Running");
    case 2:
        return QStringLiteral("Automotive");
    default:
        return QStringLiteral("Walking");
    }
}

}  // namespace korvel
