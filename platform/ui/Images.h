#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace korvel {

// The program's built-in images, drawn as SVG in resources/images/ and rendered for the screen's
// pixel ratio, so they stay sharp at every scale. Names are given as the screens know them
// ("allowedurl.png", "tab_back_icon"): the extension is ignored.
namespace Images {

// The SVG file behind `name`; empty when there is none.
QString file(const QString& name);

enum class Fit { Contain, Cover };

// `name` rendered into `size` logical pixels for `devicePixelRatio`, aspect ratio kept and centred:
// whole inside the size (Contain) or filling it with the overflow cut (Cover). A null pixmap when
// there is no such image.
QPixmap pixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0, Fit fit = Fit::Contain);

// An icon that renders `name` at whatever size it is drawn; a null icon when there is no such image.
QIcon icon(const QString& name);

}  // namespace Images

}  // namespace korvel
