#include "settings/KVHashString.h"

#include <QByteArray>

namespace korvel {

QString KVHashString::stringToBase64(const QString& text)
{
    if (text.isEmpty())
        return QString(QLatin1String(""));
    return QString::fromLatin1(text.toUtf8().toBase64());
}

QString KVHashString::base64ToString(const QString& base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(base64.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return QString(QLatin1String(""));
    return QString::fromUtf8(*decoded);
}

}  // namespace korvel
