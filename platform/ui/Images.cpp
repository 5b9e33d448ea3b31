#include "platform/ui/Images.h"

#include "platform/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace korvel {

namespace {

// A table kept for the program's life; what it holds must go before the application object does,
// not at the program's exit.
template <typename T>
QHash<QString, T>& keptUntilQuit()
{
    static auto* table = [] {
        auto* made = new QHash<QString, T>;
        qAddPostRoutine([] { keptUntilQuit<T>().clear(); });
        return made;
    }();
    return *table;
}

}  // namespace

QString Images::file(const QString& name)
{
    if (name.isEmpty())
        return QString();
    const QString base = QFileInfo(name).completeBaseName();
    const QString path = Paths::resourceFile(QStringLiteral("images/") + base + QStringLiteral(".svg"));
    return QFileInfo::exists(path) ? path : QString();
}

QPixmap Images::pixmap(const QString& name, QSize size, qreal devicePixelRatio, Fit fit)
{
    // Screens ask for the same few images at the same few sizes over and over.
    QHash<QString, QPixmap>& cache = keptUntilQuit<QPixmap>();
    const QString key = name + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x')
                        + QString::number(size.height()) + QLatin1Char('@') + QString::number(devicePixelRatio)
                        + (fit == Fit::Cover ? QLatin1Char('c') : QLatin1Char('f'));
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    const QString path = file(name);
    if (path.isEmpty() || size.isEmpty())
        return QPixmap();
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    QPixmap result(size * devicePixelRatio);
    result.setDevicePixelRatio(devicePixelRatio);
    result.fill(Qt::transparent);
    QSizeF drawn = renderer.defaultSize();
    drawn.scale(QSizeF(size), fit == Fit::Cover ? Qt::KeepAspectRatioByExpanding : Qt::KeepAspectRatio);
    QPainter painter(&result);
    renderer.render(&painter, QRectF(QPointF((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2), drawn));
    painter.end();
    cache.insert(key, result);
    return result;
}

QIcon Images::icon(const QString& name)
{
    const QString path = file(name);
    if (path.isEmpty())
        return QIcon();
    // One icon per image and direction for the program's life. Qt's SVG icon engine keeps what it
    // renders in the shared pixmap cache under the icon's own serial number: an icon made afresh
    // for every window filled that cache with copies of the same few toolbar images, one set per
    // window ever opened, and pushed out everything else in it.
    QHash<QString, QIcon>& made = keptUntilQuit<QIcon>();
    // Arrows point the way the screen reads: back points right in a right-to-left language.
    static const QStringList arrows{QStringLiteral("navigation_back_category"), QStringLiteral("tab_back_icon"),
                                    QStringLiteral("tab_forward_icon")};
    const bool mirror = QGuiApplication::layoutDirection() == Qt::RightToLeft && arrows.contains(QFileInfo(name).completeBaseName());
    const QString key = mirror ? path + QStringLiteral("@mirrored") : path;
    if (const auto found = made.constFind(key); found != made.constEnd())
        return *found;
    QIcon result;
    if (mirror) {
        for (const int side : {24, 48, 96}) {
            const QPixmap drawn = pixmap(name, QSize(side, side), 1.0, Fit::Contain);
            result.addPixmap(QPixmap::fromImage(drawn.toImage().mirrored(true, false)));
        }
    } else {
        // Qt's SVG icon engine renders the file afresh for every size and pixel ratio it is drawn at.
        result = QIcon(path);
    }
    made.insert(key, result);
    return result;
}

}  // namespace korvel
