#include "policy/WebsiteAddress.h"

#include "platform/Paths.h"

#include <QDir>

namespace korvel {

namespace {

// Characters a URL fragment may hold besides letters, digits and "-._~".
const QByteArray fragmentAllowed = QByteArrayLiteral("!$&'()*+,;=:@/?");

QString strippedPrefixed(const QString& text, const QString& scheme)
{
    QString rest = text;
    if (rest.startsWith(scheme))
        rest.remove(scheme);
    return scheme + rest;
}

QString webScheme(WebsiteProtocol protocol)
{
    switch (protocol) {
    case WebsiteProtocol::Http:
        return QStringLiteral("http://");
    case WebsiteProtocol::Https:
        return QStringLiteral("https://");
    case WebsiteProtocol::File:
        return QString();
    }
    return QString();
}

int hexValue(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

// Whether `text` holds a valid escape ("%" and two hexadecimal digits) at `at`.
bool startsEscape(const QString& text, qsizetype at)
{
    return at + 2 < text.size() && text.at(at) == QLatin1Char('%') && hexValue(text.at(at + 1)) >= 0 && hexValue(text.at(at + 2)) >= 0;
}

// Whether typed text keeps this character as it is instead of encoding it.
bool keptWhenTyped(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_'
           || c == '~' || fragmentAllowed.contains(c);
}

}  // namespace

std::optional<QUrl> WebsiteAddress::getURLFromString(const QString& text, WebsiteProtocol protocol)
{
    switch (protocol) {
    case WebsiteProtocol::Http:
        return getNonFileURLFromString(strippedPrefixed(text, QStringLiteral("http://")));
    case WebsiteProtocol::Https:
        return getNonFileURLFromString(strippedPrefixed(text, QStringLiteral("https://")));
    case WebsiteProtocol::File:
        return getFileURLFromString(text);
    }
    return std::nullopt;
}

std::optional<QUrl> WebsiteAddress::getURLFromString(const QString& text)
{
    const QString trimmed = text.trimmed();
    std::optional<QUrl> web;
    if (trimmed.startsWith(QLatin1String("http")))
        web = getNonFileURLFromString(trimmed);
    else if (trimmed.startsWith(QLatin1String("www")) && trimmed.contains(QLatin1Char('/')))
        web = getNonFileURLFromString(QStringLiteral("http://") + trimmed);
    if (web)
        return web;
    return getFileURLFromString(trimmed);
}

std::optional<QUrl> WebsiteAddress::getNonFileURLFromString(const QString& text)
{
    const QUrl url(percentEncoded(text.trimmed()), QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return std::nullopt;
    return url;
}

std::optional<QUrl> WebsiteAddress::getFileURLFromString(const QString& fileName)
{
    const QString documents = QDir::cleanPath(Paths::documentsDirectory());
    const QString path = QDir::cleanPath(documents + QLatin1Char('/') + fileName.trimmed());
    // A name such as "../x", or one through a symbolic link, must not reach files outside the
    // documents directory.
    if (path != documents && !Paths::resolvedInside(documents, path))
        return std::nullopt;
    const QUrl url = QUrl::fromLocalFile(path);
    if (url.scheme().isEmpty())
        return std::nullopt;
    return url;
}

QUrl WebsiteAddress::appendDocDirectoryPathIfFileURL(const QUrl& url)
{
    if (!url.isLocalFile())
        return url;
    // A last component such as ".." is refused; handing back the foreign path instead would let a
    // stored URL reach outside the documents directory.
    return getURLFromString(lastPathComponent(url)).value_or(QUrl());
}

QString WebsiteAddress::getURLString(const QUrl& url)
{
    if (url.isLocalFile())
        return lastPathComponent(url);
    const QString full = url.toString(QUrl::FullyEncoded);
    const qsizetype colon = full.indexOf(QLatin1Char(':'));
    QString specifier = QUrl::fromPercentEncoding(full.mid(colon + 1).toUtf8());
    qsizetype begin = 0;
    qsizetype end = specifier.size();
    while (begin < end && specifier.at(begin) == QLatin1Char('/'))
        ++begin;
    while (end > begin && specifier.at(end - 1) == QLatin1Char('/'))
        --end;
    return specifier.mid(begin, end - begin);
}

std::optional<WebsiteAddress::BlockedAddress> WebsiteAddress::getBlockedAddressFromString(const QString& text, WebsiteProtocol protocol)
{
    if (const std::optional<QUrl> url = getURLFromString(text, protocol))
        return BlockedAddress{url->toString(QUrl::FullyEncoded), *url};
    const QString scheme = webScheme(protocol);
    const QString rest = strippedPrefixed(text, scheme).mid(scheme.size());
    if (scheme.isEmpty() || !rest.startsWith(QLatin1String("*.")))
        return std::nullopt;
    const std::optional<QUrl> url = getNonFileURLFromString(scheme + rest.mid(2));
    if (!url)
        return std::nullopt;
    // The "*." goes back in front of the host, so the address must begin with it (no user name).
    QString stored = url->toString(QUrl::FullyEncoded);
    if (!stored.startsWith(scheme + url->host(QUrl::FullyEncoded)))
        return std::nullopt;
    stored.insert(scheme.size(), QLatin1String("*."));
    return BlockedAddress{stored, *url};
}

QString WebsiteAddress::editableText(const QString& storedText)
{
    // The byte an escape at `at` stands for, or -1 when there is no escape there.
    const auto escapeAt = [&storedText](qsizetype at) {
        if (at + 2 >= storedText.size() || storedText.at(at) != QLatin1Char('%'))
            return -1;
        const int high = hexValue(storedText.at(at + 1));
        const int low = hexValue(storedText.at(at + 2));
        return high < 0 || low < 0 ? -1 : high * 16 + low;
    };
    QString shown;
    shown.reserve(storedText.size());
    qsizetype i = 0;
    while (i < storedText.size()) {
        const int byte = escapeAt(i);
        if (byte < 0) {
            shown += storedText.at(i++);
            continue;
        }
        if (byte < 0x80) {
            // A "%" shown before two hexadecimal digits would be typed back as an escape.
            const bool escapeAhead = byte == '%' && startsEscape(QLatin1Char('%') + storedText.mid(i + 3, 2), 0);
            const bool readable = byte == ' ' || (byte > 0x20 && byte < 0x7F && !keptWhenTyped(char(byte)) && !escapeAhead);
            shown += readable ? QString(QChar(byte)) : storedText.mid(i, 3);
            i += 3;
            continue;
        }
        // A character outside ASCII: its whole UTF-8 sequence, each byte escaped.
        const qsizetype length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        QByteArray sequence(1, char(byte));
        for (qsizetype k = 1; k < length; ++k) {
            const int next = escapeAt(i + 3 * k);
            if (next < 0x80 || next > 0xBF)
                break;
            sequence.append(char(next));
        }
        const QString decoded = QString::fromUtf8(sequence);
        const char32_t character = decoded.toUcs4().value(0);
        const bool readable = length > 1 && sequence.size() == length && decoded.toUtf8() == sequence
                              && character != QChar::ReplacementCharacter && QChar::isPrint(character) && !QChar::isSpace(character);
        shown += readable ? decoded : storedText.mid(i, 3);
        i += readable ? 3 * length : 3;
    }
    return shown;
}

QString WebsiteAddress::editableWebAddress(const QString& storedAddress)
{
    QString text = editableText(storedAddress);
    for (const QLatin1String scheme : {QLatin1String("https://"), QLatin1String("http://")}) {
        if (text.startsWith(scheme))
            return text.mid(scheme.size());
    }
    return text;
}

QString WebsiteAddress::percentEncoded(const QString& text)
{
    // Encoding the "%" of a valid escape again would store another address than the one typed.
    QString encoded;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('%') || !startsEscape(text, i))
            continue;
        encoded += QString::fromLatin1(text.mid(from, i - from).toUtf8().toPercentEncoding(fragmentAllowed));
        encoded += text.mid(i, 3);
        i += 2;
        from = i + 1;
    }
    encoded += QString::fromLatin1(text.mid(from).toUtf8().toPercentEncoding(fragmentAllowed));
    return encoded;
}

QString WebsiteAddress::lastPathComponent(const QUrl& url)
{
    QString path = url.path(QUrl::FullyDecoded);
    while (path.size() > 1 && path.endsWith(QLatin1Char('/')))
        path.chop(1);
    if (path == QLatin1String("/") || path.isEmpty())
        return path;
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

}  // namespace korvel
