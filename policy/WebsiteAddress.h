#pragma once

#include "settings/WebsiteProtocol.h"

#include <QString>
#include <QUrl>

#include <optional>

namespace korvel {

// Turns what an administrator types into the URLs stored in website records, and URLs into the
// text shown and compared for them.
class WebsiteAddress {
public:
    // http:// or https:// in front of the text (a leading scheme of the same kind is not doubled),
    // or a file of the documents directory. Nothing when the result has no host, or for an unknown
    // protocol.
    static std::optional<QUrl> getURLFromString(const QString& text, WebsiteProtocol protocol);
    // A web URL when the text starts with "http", or with "www" and holds a "/"; otherwise (and
    // when that fails) a file of the documents directory.
    static std::optional<QUrl> getURLFromString(const QString& text);
    // The trimmed text, percent-encoded where a URL fragment may not hold the character, when it
    // parses with a scheme and a host; otherwise nothing.
    static std::optional<QUrl> getNonFileURLFromString(const QString& text);
    // The file of that name in the documents directory. Nothing when the name would lead out of it.
    static std::optional<QUrl> getFileURLFromString(const QString& fileName);
    // A file URL re-rooted in this device's documents directory (by its last path component);
    // any other URL unchanged. An empty URL when that component would lead out of the directory.
    static QUrl appendDocDirectoryPathIfFileURL(const QUrl& url);
    // A file URL's last path component; for other URLs everything after the scheme's ":",
    // percent-decoded, with "/" stripped from both ends ("www.example.com/a").
    static QString getURLString(const QUrl& url);

    // What a blocked website is stored as: the address getURLFromString builds, or, for a web
    // protocol, one whose host is written "*.example.com" (only the sub-domains, as the blocked
    // lookup reads it). No URL parser takes "*" in a host, so `text` is what is stored and `url`
    // the same address without the "*.". Nothing when either is no URL.
    struct BlockedAddress {
        QString text;
        QUrl url;
    };
    static std::optional<BlockedAddress> getBlockedAddressFromString(const QString& text, WebsiteProtocol protocol);

    // A stored web address as an editor shows it: editableText without its "http://" or
    // "https://", which the protocol choice supplies (kept, it would double when the protocol
    // changes).
    static QString editableWebAddress(const QString& storedAddress);
    // Stored URL text as an editor shows it: an escape is decoded only where typing the decoded
    // character is encoded to that same escape again (a space, "%", "<", a letter outside ASCII).
    // The others ("%2F", "%26", "%3F", "%2B") stay as they are: decoded, they would read and save
    // as a different address. Saving the shown text unchanged keeps the stored text anyway.
    static QString editableText(const QString& storedText);

    // The text percent-encoded wherever a URL fragment may not hold the character (UTF-8 bytes). An
    // escape that is already valid ("%2F") stays as typed; a "%" that begins none becomes "%25".
    static QString percentEncoded(const QString& text);

    // The last component of the URL's decoded path ("/" for the root).
    static QString lastPathComponent(const QUrl& url);
};

}  // namespace korvel
