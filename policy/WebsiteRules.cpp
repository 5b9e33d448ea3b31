#include "policy/WebsiteRules.h"

#include "platform/FormatString.h"
#include "policy/WebsiteAddress.h"
#include "settings/KVSettings.h"

#include <array>

namespace korvel::WebsiteRules {

QString capitalizeFirstLetterOfString(const QString& text)
{
    if (text.isEmpty())
        return text;
    // A first character outside the basic plane is a surrogate pair; capitalise it whole.
    const qsizetype firstLength = text.at(0).isHighSurrogate() && text.size() > 1 ? 2 : 1;
    return text.left(firstLength).toUpper() + text.mid(firstLength);
}

QString defaultTitleForURL(const QUrl& url, WebsiteProtocol protocol)
{
    if (protocol == WebsiteProtocol::File)
        return WebsiteAddress::lastPathComponent(url);
    QString longest;
    const QStringList labels = url.host().split(QLatin1Char('.'));
    for (const QString& label : labels) {
        if (label.size() > longest.size())
            longest = label;
    }
    return longest;
}

QString blockedWebsiteHost(const blockedWebsite& website)
{
    if (const std::optional<QUrl> url = website.parsedURL())
        return url->host();
    const qsizetype separator = website.url.indexOf(QLatin1String("://"));
    if (separator <= 0)
        return QString();
    QString authority = website.url.mid(separator + 3);
    for (qsizetype i = 0; i < authority.size(); ++i) {
        const QChar c = authority.at(i);
        if (c == QLatin1Char('/') || c == QLatin1Char('?') || c == QLatin1Char('#')) {
            authority.truncate(i);
            break;
        }
    }
    authority = authority.mid(authority.lastIndexOf(QLatin1Char('@')) + 1);
    const qsizetype port = authority.lastIndexOf(QLatin1Char(':'));
    if (port >= 0 && !authority.contains(QLatin1Char(']')))
        authority.truncate(port);
    return authority.toLower();
}

QString requestHostKey(const QString& host)
{
    QString key = host.toLower();
    if (key.contains(QLatin1String("www.")))
        key.remove(QStringLiteral("www."));
    return key;
}

QString blockedHostKey(const QString& host)
{
    return host.toLower().remove(QStringLiteral("www.")).remove(QLatin1Char('*'));
}

bool blockedHostMatches(const QString& requestKey, const QString& blockedKey)
{
    if (blockedKey.isEmpty() || blockedKey == QLatin1String(" ") || requestKey == QLatin1String(" "))
        return false;
    // "*.example.com" leaves ".example.com": sub-domains only, already on a label boundary.
    if (blockedKey.startsWith(QLatin1Char('.')))
        return requestKey.endsWith(blockedKey);
    return requestKey == blockedKey
           || (requestKey.endsWith(blockedKey) && requestKey.at(requestKey.size() - blockedKey.size() - 1) == QLatin1Char('.'));
}

namespace {

QString normalisedFileAddress(QString address)
{
    return address.toLower()
        .replace(QStringLiteral("////"), QStringLiteral("///"))
        .remove(QStringLiteral("%20"))
        .replace(QStringLiteral("%3a"), QStringLiteral("?"))
        .replace(QStringLiteral("%3d"), QStringLiteral(":"));
}

}  // namespace

bool checkIfWebsiteBlocked(const QUrl& url, const KVSettings& settings)
{
    if (!settings.kvBrowPref.allowAllWebsites)
        return false;
    if (!url.host().isEmpty()) {
        const QString key = requestHostKey(url.host());
        for (const blockedWebsite& blocked : settings.blockedWebsites) {
            const QString blockedHost = blockedWebsiteHost(blocked);
            if (!blockedHost.isEmpty() && blockedHostMatches(key, blockedHostKey(blockedHost)))
                return true;
        }
        return false;
    }
    const QString address = url.toString(QUrl::FullyEncoded);
    if (!requestHostKey(address).startsWith(QLatin1String("file://")))
        return false;
    const QString normalised = normalisedFileAddress(address);
    for (const blockedWebsite& blocked : settings.blockedWebsites) {
        if (blocked.url.isEmpty() || blocked.url == QLatin1String(" "))
            continue;
        if (normalisedFileAddress(blocked.url) == normalised)
            return true;
    }
    return false;
}

bool checkBlockedKeyWordIsExistOrNot(const QString& text, bool isFromUrl, const KVBrowserPrefSettings& preferences,
                                     NavigationEffects* effects)
{
    const QStringList keywords = preferences.strBlockedKeyWord.toLower().split(QLatin1Char(','));
    const QString haystack = text.toLower();
    for (const QString& raw : keywords) {
        // Spaces and tabs around a keyword are separators, not part of it.
        qsizetype begin = 0;
        qsizetype end = raw.size();
        while (begin < end && (raw.at(begin) == QLatin1Char(' ') || raw.at(begin) == QLatin1Char('\t')))
            ++begin;
        while (end > begin && (raw.at(end - 1) == QLatin1Char(' ') || raw.at(end - 1) == QLatin1Char('\t')))
            --end;
        const QString keyword = raw.mid(begin, end - begin);
        if (keyword.isEmpty() || !haystack.contains(keyword))
            continue;
        if (effects) {
            effects->append(NavigationEffect::toast(QStringLiteral("Access to this website has been blocked due to content filtering"),
                                                    NavigationEffect::Place::KeyWindow));
            effects->append(NavigationEffect::log(
                QStringLiteral("Keyword Block"),
                formatString(isFromUrl ? QStringLiteral("URL blocked for, Keyword:%@") : QStringLiteral("Content blocked for, Keyword:%@"),
                             keyword)));
        }
        return true;
    }
    return false;
}

bool checkIsSupportedByGoogleDocs(const QString& text)
{
    static const std::array<QLatin1String, 28> extensions = {
        QLatin1String(".doc"), QLatin1String(".docx"), QLatin1String(".xls"),  QLatin1String(".xlsx"),
        QLatin1String(".ppt"), QLatin1String(".pptx"), QLatin1String(".pps"),  QLatin1String(".odt"),
        QLatin1String(".ods"), QLatin1String(".csv"),  QLatin1String(".tsv"),  QLatin1String(".rtf"),
        QLatin1String(".tab"), QLatin1String(".pdf"),  QLatin1String(".pages"), QLatin1String(".ai"),
        QLatin1String(".psd"), QLatin1String(".tiff"), QLatin1String(".dxf"),  QLatin1String(".svg"),
        QLatin1String(".eps"), QLatin1String(".ps"),   QLatin1String(".ttf"),  QLatin1String(".otf"),
        QLatin1String(".xps"), QLatin1String(".zip"),  QLatin1String(".rar"),  QLatin1String(".wmf"),
    };
    for (const QLatin1String& extension : extensions) {
        if (text.endsWith(extension))
            return true;
    }
    return false;
}

void getSchemeFromURL(const QUrl& url, QString* updatedScheme, QString* updatedURL)
{
    const QString address = url.toString(QUrl::FullyEncoded);
    const QString scheme = url.scheme();
    QString rest = address;
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https")) {
        const QString prefix = scheme + QStringLiteral("://");
        rest.remove(prefix);
        if (updatedScheme)
            *updatedScheme = prefix;
    } else if (address.startsWith(QLatin1String("http//"))) {
        rest.remove(QStringLiteral("http//"));
        if (updatedScheme)
            *updatedScheme = QStringLiteral("http://");
    } else if (address.startsWith(QLatin1String("https//"))) {
        rest.remove(QStringLiteral("https//"));
        if (updatedScheme)
            *updatedScheme = QStringLiteral("https://");
    }
    if (updatedURL)
        *updatedURL = rest;
}

QUrl urlWithScheme(const QUrl& url)
{
    QString scheme(QStringLiteral("http://"));
    QString rest;
    getSchemeFromURL(url, &scheme, &rest);
    return QUrl(scheme + rest);
}

}  // namespace korvel::WebsiteRules
