#include "log/KVLogBridge.h"

#include "log/KVLogger.h"

namespace korvel {

KVLogBridge& KVLogBridge::sharedInstance()
{
    static KVLogBridge bridge;
    return bridge;
}

void KVLogBridge::createLogWithCategory(const QString& category, const QString& message)
{
    if (KVLogger* logger = KVLogger::sharedLogger())
        logger->insertUpdateRow(message, category);
}

}  // namespace korvel
