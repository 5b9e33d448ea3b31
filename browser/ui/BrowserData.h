#pragma once

namespace korvel::BrowserData {

// Empties the offline application cache, then every cached response of the kiosk's engine profile.
void clearBrowserCache();

}  // namespace korvel::BrowserData
