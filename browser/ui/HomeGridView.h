#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QWidget>

namespace korvel {

// The grid's surface: paints the wallpaper and reports taps that hit no icon.
class HomeGridView final : public QWidget {
    Q_OBJECT
public:
    enum class WallpaperStyle { Center = 0, Stretch = 1, Fit = 2 };

    explicit HomeGridView(QWidget* parent = nullptr);

    void setWallpaper(const QImage& image, int style);
    QImage wallpaper() const { return m_wallpaper; }
    // Where the wallpaper is drawn for a surface of `area` (empty without a wallpaper).
    static QRect wallpaperRect(QSize imageSize, QRect area, int style);
    // The colour of the icons' titles over a picture whose average colour is `background`: dark
    // or white, whichever stands out more.
    static QColor titleColourOn(const QColor& background);

Q_SIGNALS:
    void backgroundTapped();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void applyTitleColour();

    QImage m_wallpaper;
    int m_style = 0;
    bool m_pressed = false;
};

}  // namespace korvel
