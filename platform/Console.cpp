#include "platform/Console.h"

namespace korvel {

Q_LOGGING_CATEGORY(console, "korvel")

}  // namespace korvel
