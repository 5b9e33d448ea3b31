#pragma once

#include <QString>

namespace korvel {

class KVSettings;

namespace MotionType {

// The "MotionType" setting: 0 walking, 1 running, 2 automotive. A stored value outside that range
// is repaired to 0, and the settings are saved and read back.
qint32 getMotionType(KVSettings& settings);
// "Walking", "Running" or "Automotive", after the same repair.
QString getMotionTypeString(KVSettings& settings);

}  // namespace MotionType

}  // namespace korvel
