#include "settings/Frame.h"

#include <QLocale>
#include <charconv>

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
    // The first four numbers in order, whatever the braces and commas around them.
    double values[4] = {0, 0, 0, 0};
    int found = 0;
    const QByteArray latin = text.toLatin1();
    const char* p = latin.constData();
    const char* end = p + latin.size();
    while (p < end && found < 4) {
        const bool startsNumber = (*p >= '0' && *p <= '9') || *p == '.'
                                  || ((*p == '-' || *p == '+') && p + 1 < end && ((p[1] >= '0' && p[1] <= '9') || p[1] == '.'));
        if (!startsNumber) {
            ++p;
            continue;
        }
        const char* from = *p == '+' ? p + 1 : p;
        double value = 0;
        const auto [next, ec] = std::from_chars(from, end, value);
        if (ec != std::errc() || next == from) {
            ++p;
            continue;
        }
        values[found++] = value;
        p = next;
    }
    if (found < 4)
        return Frame{};
    return Frame{values[0], values[1], values[2], values[3]};
}

}  // namespace korvel
