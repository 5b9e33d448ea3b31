#include "settings/PlistValue.h"

#include <algorithm>
#include <limits>

namespace korvel::PlistValue {

namespace {

bool isNumber(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Double:
    case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

bool isReal(const QVariant& value)
{
    return value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float;
}

}  // namespace

bool boolValue(const QVariant& value)
{
    if (!isNumber(value))
        return false;
    return isReal(value) ? value.toDouble() != 0.0 : value.toLongLong() != 0;
}

qint64 integerValue(const QVariant& value)
{
    if (!isNumber(value))
        return 0;
    if (isReal(value)) {
        const double d = value.toDouble();
        if (!(d == d))
            return 0;
        if (d >= 9.2e18)
            return std::numeric_limits<qint64>::max();
        if (d <= -9.2e18)
            return std::numeric_limits<qint64>::min();
        return static_cast<qint64>(d);
    }
    return value.toLongLong();
}

qint32 int32Value(const QVariant& value)
{
    const qint64 v = integerValue(value);
    return static_cast<qint32>(std::clamp<qint64>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
}

double doubleValue(const QVariant& value)
{
    return isNumber(value) ? value.toDouble() : 0.0;
}

QString stringValue(const QVariant& value)
{
    if (value.metaType().id() != QMetaType::QString)
        return QString();
    QString text = value.toString();
    return text.isNull() ? QString(QLatin1String("")) : text;
}

std::optional<QVariantMap> dictionaryValue(const QVariant& value)
{
    if (value.metaType().id() != QMetaType::QVariantMap)
        return std::nullopt;
    return value.toMap();
}

}  // namespace korvel::PlistValue
