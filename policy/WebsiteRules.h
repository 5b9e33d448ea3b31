#pragma once

#include "policy/NavigationEffect.h"
#include "settings/WebsiteProtocol.h"
#include "settings/allowedWebsite.h"
#include "settings/blockedWebsite.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {
class KVSettings;
struct KVBrowserPrefSettings;
}  // namespace korvel

namespace korvel::WebsiteRules {

// The text with its first character capitalised; the rest unchanged. An empty text stays empty.
QString capitalizeFirstLetterOfString(const QString& text);

// The title a website gets when the administrator gives none: for a file, the file's name; for a
// web address, the longest label of its host (the first of equally long ones): www.example.com
// gives "example". Empty when the URL has neither.
QString defaultTitleForURL(const QUrl& url, WebsiteProtocol protocol);

// Whether the blocked list refuses `url`. Only in allow-all mode; otherwise false at once. A blocked
// host blocks itself and its sub-domains (whole labels only: x.com does not block netflix.com);
// "*.example.com" blocks only the sub-domains. "www." is ignored on both sides.
bool checkIfWebsiteBlocked(const QUrl& url, const KVSettings& settings);
// The blocked-list test for one blocked host key (see blockedHostKey) against a request host key.
bool blockedHostMatches(const QString& requestHostKey, const QString& blockedKey);
// The host of a blocked website's stored address. A wildcard host such as "*.example.com" is no
// valid URL host, so it is read from the text itself. Empty when the address has none.
QString blockedWebsiteHost(const blockedWebsite& website);
// Lower case, every "www." and (for blocked entries) every "*" removed.
QString requestHostKey(const QString& host);
QString blockedHostKey(const QString& host);

// Whether a blocked keyword occurs in `text` (an address when `isFromUrl`, else page content),
// ignoring case. On a hit, the toast and log entry to show are appended to `effects`.
bool checkBlockedKeyWordIsExistOrNot(const QString& text, bool isFromUrl, const KVBrowserPrefSettings& preferences,
                                     NavigationEffects* effects);

// Whether the address ends with a document extension the reader or a document viewer handles.
bool checkIsSupportedByGoogleDocs(const QString& text);

// Splits an address into its web scheme with "://" (also from the colon-less "http//" and "https//"
// forms other applications hand over) and the rest. `updatedScheme` is left alone when there is no
// web scheme.
void getSchemeFromURL(const QUrl& url, QString* updatedScheme, QString* updatedURL);
// The address with a proper web scheme ("http://" when it has none).
QUrl urlWithScheme(const QUrl& url);

// The allowed website an address from another application belongs to (same root domain and the
// record's scheme and sub-domain rules), or nothing. Log entries and the refusal alert go to
// `effects`.
std::optional<allowedWebsite> getAllowedWebsiteForExternalURL(const QUrl& url, const QList<allowedWebsite>& websites,
                                                              NavigationEffects* effects);

}  // namespace korvel::WebsiteRules
