#include "platform/FormatString.h"

#include <QLocale>
#include <QUrl>

namespace korvel {

namespace {

QString objectText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QStringLiteral("(null)");
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QMetaType::QUrl:
        return value.toUrl().toString(QUrl::FullyEncoded);
    default:
        return value.toString();
    }
}

QString integerText(const QVariant& value)
{
    if (value.metaType().id() == QMetaType::Double || value.metaType().id() == QMetaType::Float)
        return QString::number(static_cast<qint64>(value.toDouble()));
    return QString::number(value.toLongLong());
}

}  // namespace

QString formatStringList(const QString& format, const QVariantList& arguments)
{
    // Longest directives first, so "%hhd" is not read as an unknown "%h".
    static const QString directives[] = {QStringLiteral("%hhd"), QStringLiteral("%ld"), QStringLiteral("%@"),
                                         QStringLiteral("%d"),   QStringLiteral("%i"),  QStringLiteral("%u"),
                                         QStringLiteral("%f"),   QStringLiteral("%%")};
    QString out;
    out.reserve(format.size() + 16);
    qsizetype next = 0;
    qsizetype i = 0;
    while (i < format.size()) {
        if (format.at(i) != QLatin1Char('%')) {
            out.append(format.at(i++));
            continue;
        }
        const QString* matched = nullptr;
        for (const QString& d : directives) {
            if (QStringView(format).mid(i).startsWith(d)) {
                matched = &d;
                break;
            }
        }
        if (!matched) {
            out.append(format.at(i++));
            continue;
        }
        i += matched->size();
        if (*matched == QLatin1String("%%")) {
            out.append(QLatin1Char('%'));
            continue;
        }
        const QVariant argument = next < arguments.size() ? arguments.at(next) : QVariant();
        const bool present = next < arguments.size();
        ++next;
        if (!present)
            continue;
        if (*matched == QLatin1String("%@"))
            out.append(objectText(argument));
        else if (*matched == QLatin1String("%hhd"))
            out.append(argument.toBool() ? QStringLiteral("1") : QStringLiteral("0"));
        else if (*matched == QLatin1String("%u"))
            out.append(QString::number(argument.toULongLong()));
        else if (*matched == QLatin1String("%f"))
            out.append(QString::number(argument.toDouble(), 'f', 6));
        else
            out.append(integerText(argument));
    }
    return out;
}

}  // namespace korvel
