#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

namespace korvel {

// Fills a printf-style text: %@ (any value as text; "(null)" for none), %d %i %ld (integers),
// %hhd (a flag as 1 or 0), %u (unsigned), %f (six decimals) and %% (a percent sign). A missing
// argument gives the empty text; an unknown directive is kept as written.
QString formatStringList(const QString& format, const QVariantList& arguments);

template <typename T>
QVariant formatArgument(const T& value)
{
    return QVariant::fromValue(value);
}
inline QVariant formatArgument(const char* text)
{
    return QString::fromUtf8(text);
}
template <size_t N>
QVariant formatArgument(const char (&text)[N])
{
    return QString::fromUtf8(text);
}

template <typename... Arguments>
QString formatString(const QString& format, const Arguments&... arguments)
{
    return formatStringList(format, QVariantList{formatArgument(arguments)...});
}

inline QString formatString(const QString& format)
{
    return formatStringList(format, {});
}

}  // namespace korvel
