#pragma once

#include <QString>
#include <QVariant>

#include <optional>

namespace korvel::PlistValue {

// Readers for values taken from property-list dictionaries. A value of another kind, or none,
// reads as false, 0 or no value, as a missing key does.

// Numbers and booleans: non-zero is true.
bool boolValue(const QVariant& value);
// Numbers and booleans; reals are truncated toward zero.
qint64 integerValue(const QVariant& value);
// integerValue() held to the 32-bit range.
qint32 int32Value(const QVariant& value);
double doubleValue(const QVariant& value);
// The text of a string value; a null string for anything else.
QString stringValue(const QVariant& value);
std::optional<QVariantMap> dictionaryValue(const QVariant& value);

}  // namespace korvel::PlistValue
