#pragma once

#include <QString>
#include <QUrl>

#include <optional>
#include <variant>

namespace korvel {

// Something a host can be taken from: a URL or a text the administrator or a page gave us.
// Converts implicitly from both, so one lookup entry point serves either.
class TLDExtractable {
public:
    TLDExtractable(const QString& text) : m_source(text) {}
    TLDExtractable(const QUrl& url) : m_source(url) {}

    // The host, with any port that followed it ("shop.example.com:8080"); nothing when none can
    // be found.
    std::optional<QString> hostname() const;

    // A text with a scheme or that starts like a domain: what precedes the first "/" once the
    // scheme is removed. Any other text is parsed as a URL for its host.
    static std::optional<QString> hostname(const QString& text);
    // The host of the URL's percent-decoded absolute string, read as a text. Nothing when the
    // escapes do not decode to UTF-8.
    static std::optional<QString> hostname(const QUrl& url);

private:
    std::variant<QString, QUrl> m_source;
};

}  // namespace korvel
