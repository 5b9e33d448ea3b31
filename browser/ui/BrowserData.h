#pragma once

namespace korvel::Utils {

// Empties the offline application cache, then every cached response of the kiosk's engine profile.
void clearBrowserCache();
// Deletes every cookie of the kiosk's engine profile.
void clearBrowserCookies();
// Removes everything the websites of a visit have kept: with private browsing the visitor's whole
// profile (see EngineProfiles::endVisit), logging each site whose data went.
void clearCookoes();

}  // namespace korvel::Utils
