#include "browser/ui/HomeGridView.h"

#include "platform/ui/Images.h"

#include <QMouseEvent>
#include <QPainter>

namespace korvel {

HomeGridView::HomeGridView(QWidget* parent)
    : QWidget(parent)
{
}

void HomeGridView::setWallpaper(const QImage& image, int style)
{
    m_wallpaper = image;
    // Styles other than the three known ones leave the drawing as it was.
    if (style >= 0 && style <= 2)
        m_style = style;
    update();
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
