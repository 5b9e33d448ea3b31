#include "policy/Utils.h"

#include "policy/KVUtility.h"

namespace korvel::Utils {

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
        return KVUtility::lastPathComponent(url);
    QString longest;
    const QStringList labels = url.host().split(QLatin1Char('.'));
    for (const QString& label : labels) {
        if (label.size() > longest.size())
            longest = label;
    }
    return longest;
}

}  // namespace korvel::Utils
