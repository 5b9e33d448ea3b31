#include "platform/ReachabilityBackend.h"

namespace korvel {

ReachabilityBackend::~ReachabilityBackend() = default;

}  // namespace korvel
