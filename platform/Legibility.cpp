#include "platform/Legibility.h"

#include <QtMath>

#include <algorithm>

namespace korvel {

namespace {

double channel(quint32 c)
{
    const double v = c / 255.0;
    return v <= 0.03928 ? v / 12.92 : qPow((v + 0.055) / 1.055, 2.4);
}

double luminance(quint32 rgb)
{
    return 0.2126 * channel((rgb >> 16) & 0xFF) + 0.7152 * channel((rgb >> 8) & 0xFF) + 0.0722 * channel(rgb & 0xFF);
}

}  // namespace

double Legibility::textScale(qint32 largerText)
{
    switch (largerText) {
    case 1:
        return 1.25;
    case 2:
        return 1.5;
    default:
        return 1.0;
    }
}

int Legibility::scaled(int logicalPixels, double textScale)
{
    return qRound(logicalPixels * textScale);
}

double Legibility::minimumContrast(bool high)
{
    return high ? highContrast : normalContrast;
}

double Legibility::contrast(quint32 a, quint32 b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace korvel
