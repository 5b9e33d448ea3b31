#include "settings/Frame.h"

#include <QLocale>
#include <QRegularExpression>

namespace korvel {

namespace {

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

}  // namespace

QString Frame::toString() const
{
    return QStringLiteral("{{%1, %2}, {%3, %4}}").arg(number(x), number(y), number(width), number(height));
}

Frame Frame::fromString(const QString& text)
{
    static const QRegularExpression numberPattern(QStringLiteral("[-+]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][-+]?\\d+)?"));
    double values[4] = {0, 0, 0, 0};
    int found = 0;
    for (auto it = numberPattern.globalMatch(text); it.hasNext() && found < 4;) {
        bool ok = false;
        const double value = it.next().captured(0).toDouble(&ok);
        if (!ok)
            return Frame{};
        values[found++] = value;
    }
    if (found < 4)
        return Frame{};
    return Frame{values[0], values[1], values[2], values[3]};
}

}  // namespace korvel
