#include "browser/ui/HomeGridView.h"

#include "platform/ui/Images.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace korvel {

HomeGridView::HomeGridView(QWidget* parent)
    : QWidget(parent)
{
    applyTitleColour();
}

void HomeGridView::setWallpaper(const QImage& image, int style)
{
    m_wallpaper = image;
    // Styles other than the three known ones leave the drawing as it was.
    if (style >= 0 && style <= 2)
        m_style = style;
    applyTitleColour();
    update();
}

QColor HomeGridView::titleColourOn(const QColor& background)
{
    const QColor dark(0x1C, 0x1C, 0x1E);
    const QColor light(Qt::white);
    // Relative luminance, as contrast is judged: a middle grey reads better with dark text.
    const auto channel = [](qreal c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    const qreal l = 0.2126 * channel(background.redF()) + 0.7152 * channel(background.greenF()) + 0.0722 * channel(background.blueF());
    const qreal onLight = 1.05 / (l + 0.05);
    const qreal onDark = (l + 0.05) / (0.0116 + 0.05);  // 0.0116: the dark text's own luminance
    return onLight > onDark ? light : dark;
}

void HomeGridView::applyTitleColour()
{
    // The icons' titles stand on the wallpaper, not on the appearance's background: a light picture
    // under the dark appearance needs dark titles.
    const QImage picture = m_wallpaper.isNull() ? Images::pixmap(QStringLiteral("wallpaper_default"), QSize(32, 20)).toImage() : m_wallpaper;
    if (picture.isNull())
        return;
    const QColor average = picture.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixelColor(0, 0);
    // A style rule, as the application's style sheet keeps a parent's palette from its labels.
    setStyleSheet(QStringLiteral("QLabel { color: %1; }").arg(titleColourOn(average).name()));
}

QRect HomeGridView::wallpaperRect(QSize imageSize, QRect area, int style)
{
    if (imageSize.isEmpty())
        return {};
    switch (static_cast<WallpaperStyle>(style)) {
    case WallpaperStyle::Stretch:
        return area;
    case WallpaperStyle::Fit: {
        const QSize fitted = imageSize.scaled(area.size(), Qt::KeepAspectRatio);
        QRect r(QPoint(), fitted);
        r.moveCenter(area.center());
        return r;
    }
    case WallpaperStyle::Center:
    default: {
        QRect r(QPoint(), imageSize);
        r.moveCenter(area.center());
        return r;
    }
    }
}

void HomeGridView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    if (!m_wallpaper.isNull()) {
        p.drawImage(wallpaperRect(m_wallpaper.size(), rect(), m_style), m_wallpaper);
        return;
    }
    // Without the administrator's wallpaper the screen keeps a calm one of its own.
    const QPixmap plain = Images::pixmap(QStringLiteral("wallpaper_default"), size(), devicePixelRatioF(), Images::Fit::Cover);
    if (!plain.isNull())
        p.drawPixmap(QRect(QPoint((width() - plain.width() / plain.devicePixelRatio()) / 2,
                                  (height() - plain.height() / plain.devicePixelRatio()) / 2),
                           plain.size() / plain.devicePixelRatio()),
                     plain);
}

void HomeGridView::mousePressEvent(QMouseEvent* event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void HomeGridView::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (m_pressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT backgroundTapped();
    m_pressed = false;
}

// ---------------------------------------------------------------------------------------------

}  // namespace korvel
