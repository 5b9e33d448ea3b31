#pragma once

#include <QString>

namespace korvel {

// Logging for callers that hold a finished message rather than a format.
class KVLogBridge {
public:
    static KVLogBridge& sharedInstance();
    // Stores `message` as is; dropped while the log is not open.
    void createLogWithCategory(const QString& category, const QString& message);
};

}  // namespace korvel
