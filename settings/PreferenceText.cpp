#include "settings/PreferenceText.h"

#include <QStringList>

#include <charconv>
#include <cmath>

namespace korvel {

namespace {

using FieldType = KVBrowserPrefSettings::FieldType;

const QStringList weekDays = {QStringLiteral("Mon"), QStringLiteral("Tue"), QStringLiteral("Wed"),
                              QStringLiteral("Thu"), QStringLiteral("Fri"), QStringLiteral("Sat"),
                              QStringLiteral("Sun")};

QString shortestFloat(float value)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

std::optional<QVariant> refuse(QString* error, const QString& message)
{
    if (error)
        *error = message;
    return std::nullopt;
}

}  // namespace

QString PreferenceText::typeName(FieldType type)
{
    switch (type) {
    case FieldType::Bool:
    case FieldType::IntegerBool:
        return QStringLiteral("boolean (true or false)");
    case FieldType::Int:
        return QStringLiteral("32-bit integer");
    case FieldType::String:
        return QStringLiteral("text");
    case FieldType::Float:
        return QStringLiteral("number");
    case FieldType::TimeOfDay:
        return QStringLiteral("time of day (hh:mm AM or PM)");
    case FieldType::Days:
        return QStringLiteral("list of days (for example Mon,Tue,Fri)");
    }
    return QString();
}

QString PreferenceText::format(const KVBrowserPrefSettings& record, const KVBrowserPrefSettings::Field& field)
{
    const QVariant value = record.valueForField(field);
    switch (field.type) {
    case FieldType::Bool:
    case FieldType::IntegerBool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case FieldType::Int:
        return QString::number(value.toLongLong());
    case FieldType::String:
    case FieldType::TimeOfDay:
        return value.toString();
    case FieldType::Float:
        return shortestFloat(static_cast<float>(value.toDouble()));
    case FieldType::Days: {
        const QVariantMap days = value.toMap();
        QStringList selected;
        for (const QString& day : weekDays) {
            if (days.value(day).toBool())
                selected.append(day);
        }
        return selected.join(QLatin1Char(','));
    }
    }
    return QString();
}

std::optional<QVariant> PreferenceText::parse(const KVBrowserPrefSettings::Field& field, const QString& text,
                                              QString* error)
{
    const QString key = QString::fromLatin1(field.key);
    const auto wrongType = [&] {
        return refuse(error, QStringLiteral("\"%1\" is not a valid value for %2, which takes a %3")
                                 .arg(text, key, typeName(field.type)));
    };
    const auto outOfRange = [&] {
        return refuse(error, QStringLiteral("\"%1\" is outside the values %2 takes, %3 to %4")
                                 .arg(text.trimmed(), key, QString::number(field.range->minimum), QString::number(field.range->maximum)));
    };
    switch (field.type) {
    case FieldType::Bool:
    case FieldType::IntegerBool: {
        const QString t = text.trimmed().toLower();
        if (t == QLatin1String("true") || t == QLatin1String("yes") || t == QLatin1String("1") || t == QLatin1String("on"))
            return field.type == FieldType::Bool ? QVariant(true) : QVariant(qint64(1));
        if (t == QLatin1String("false") || t == QLatin1String("no") || t == QLatin1String("0") || t == QLatin1String("off"))
            return field.type == FieldType::Bool ? QVariant(false) : QVariant(qint64(0));
        return wrongType();
    }
    case FieldType::Int: {
        bool ok = false;
        int value = text.trimmed().toInt(&ok);
        if (!ok) {
            // A value may also be given by its name ("Landscape").
            const QStringList names = field.valueNames();
            for (value = 0; value < names.size(); ++value) {
                if (names.at(value).compare(text.trimmed(), Qt::CaseInsensitive) == 0) {
                    ok = true;
                    break;
                }
            }
        }
        if (!ok)
            return wrongType();
        if (field.range && !field.range->contains(value))
            return outOfRange();
        return QVariant(qint64(value));
    }
    case FieldType::String:
        return QVariant(text);
    case FieldType::Float: {
        bool ok = false;
        const double value = text.trimmed().toDouble(&ok);
        if (!ok || !std::isfinite(value) || std::fabs(value) > 3.4e38)
            return wrongType();
        if (field.range && !field.range->contains(value))
            return outOfRange();
        return QVariant(value);
    }
    case FieldType::TimeOfDay: {
        const QTime time = KVBrowserPrefSettings::getDateFromTimeString(text.trimmed());
        if (!time.isValid())
            return wrongType();
        return QVariant(KVBrowserPrefSettings::getTimeStringFromDate(time));
    }
    case FieldType::Days: {
        QVariantMap days;
        for (const QString& day : weekDays)
            days.insert(day, false);
        const QString trimmed = text.trimmed();
        if (!trimmed.isEmpty()) {
            for (const QString& part : trimmed.split(QLatin1Char(','))) {
                const QString day = part.trimmed();
                if (!weekDays.contains(day))
                    return wrongType();
                days.insert(day, true);
            }
        }
        return QVariant(days);
    }
    }
    return wrongType();
}

}  // namespace korvel
