#include "policy/TLDExtractable.h"

#include <QRegularExpression>
#include <QStringDecoder>

namespace korvel {

namespace {

// One compiled copy per thread: lookups run on any thread, and matching never waits on another.
const QRegularExpression& schemePattern()
{
    thread_local const QRegularExpression pattern(QStringLiteral("^(\\p{L}+:)?//"));
    return pattern;
}

const QRegularExpression& domainPattern()
{
    thread_local const QRegularExpression pattern(
        QStringLiteral("^([0-9\\p{L}][0-9\\p{L}-]{1,61}\\.?)?([\\p{L}-]*[0-9\\p{L}]+)(?!.*:$).*$"));
    return pattern;
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Strict percent-decoding: a "%" without two hex digits, or bytes that are not UTF-8, fail
// rather than turning into replacement characters that could form a different host.
std::optional<QString> percentDecoded(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    QByteArray bytes;
    bytes.reserve(utf8.size());
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        if (utf8.at(i) != '%') {
            bytes.append(utf8.at(i));
            continue;
        }
        const int high = i + 2 < utf8.size() ? hexValue(utf8.at(i + 1)) : -1;
        const int low = high >= 0 ? hexValue(utf8.at(i + 2)) : -1;
        if (low < 0)
            return std::nullopt;
        bytes.append(char(high * 16 + low));
        i += 2;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString decoded = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return decoded;
}

}  // namespace

std::optional<QString> TLDExtractable::hostname() const
{
    return std::visit([](const auto& source) { return TLDExtractable::hostname(source); }, m_source);
}

std::optional<QString> TLDExtractable::hostname(const QString& text)
{
    if (schemePattern().match(text).hasMatch() || domainPattern().match(text).hasMatch()) {
        QString rest = text;
        rest.remove(schemePattern());
        const QString host = rest.section(QLatin1Char('/'), 0, 0);
        if (host.isEmpty())
            return std::nullopt;
        return host;
    }
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return std::nullopt;
    return url.host();
}

std::optional<QString> TLDExtractable::hostname(const QUrl& url)
{
    const std::optional<QString> text = percentDecoded(url.toString(QUrl::FullyEncoded));
    if (!text)
        return std::nullopt;
    return hostname(*text);
}

}  // namespace korvel
