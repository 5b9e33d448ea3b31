#pragma once

namespace korvel::Utils {

// Empties the offline application cache, then every cached response of the kiosk's engine profile.
void clearBrowserCache();

}  // namespace korvel::Utils
