#include "browser/DisplayRotation.h"

#include <QRegularExpression>
#include <QStringList>

namespace korvel::DisplayRotation {

std::optional<Rotation> parse(const QString& text)
{
    const QString t = text.trimmed().toLower();
    if (t == QLatin1String("normal"))
        return Rotation::Normal;
    if (t == QLatin1String("left"))
        return Rotation::Left;
    if (t == QLatin1String("right"))
        return Rotation::Right;
    if (t == QLatin1String("inverted"))
        return Rotation::Inverted;
    return std::nullopt;
}

QString name(Rotation rotation)
{
    switch (rotation) {
    case Rotation::Normal:
        return QStringLiteral("normal");
    case Rotation::Left:
        return QStringLiteral("left");
    case Rotation::Right:
        return QStringLiteral("right");
    case Rotation::Inverted:
        return QStringLiteral("inverted");
    }
    return QStringLiteral("normal");
}

Rotation forPreference(qint32 browserOrientation, const QSize& native)
{
    const bool landscape = native.width() >= native.height();
    switch (browserOrientation) {
    case 1:
        return landscape ? Rotation::Normal : Rotation::Left;
    case 2:
        return landscape ? Rotation::Left : Rotation::Normal;
    default:
        return Rotation::Normal;
    }
}

std::array<double, 9> touchMatrix(Rotation rotation)
{
    switch (rotation) {
    case Rotation::Normal:
        return {1, 0, 0, 0, 1, 0, 0, 0, 1};
    case Rotation::Left:
        return {0, -1, 1, 1, 0, 0, 0, 0, 1};
    case Rotation::Right:
        return {0, 1, 0, -1, 0, 1, 0, 0, 1};
    case Rotation::Inverted:
        return {-1, 0, 1, 0, -1, 1, 0, 0, 1};
    }
    return {1, 0, 0, 0, 1, 0, 0, 0, 1};
}

std::optional<Output> outputFromQuery(const QString& xrandrQuery)
{
    // "HDMI-1 connected primary 800x1280+0+0 left (normal left inverted right x axis y axis) ..."
    static const QRegularExpression line(
        QStringLiteral("^(\\S+) connected( primary)? (\\d+)x(\\d+)\\+\\d+\\+\\d+(?: (normal|left|right|inverted))?"),
        QRegularExpression::MultilineOption);
    std::optional<Output> first;
    for (auto it = line.globalMatch(xrandrQuery); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        Output output{m.captured(1), QSize(m.captured(3).toInt(), m.captured(4).toInt()),
                      parse(m.captured(5)).value_or(Rotation::Normal)};
        if (!m.captured(2).isEmpty())
            return output;
        if (!first)
            first = output;
    }
    return first;
}

}  // namespace korvel::DisplayRotation
