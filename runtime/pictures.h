#pragma once
// Pictures are SVG resources drawn at their own size in logical pixels.

#include <QPixmap>
#include <QString>

namespace rt {

// The picture at `path`, rendered for the given device-pixel ratio; a
// missing picture gives a null pixmap.
QPixmap renderPicture(const char* path, qreal devicePixelRatio);

}  // namespace rt
