#pragma once
// Pictures are SVG resources drawn at their own size in logical pixels.

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace rt {

// The picture at `path`, rendered for the given device-pixel ratio; a
// missing picture gives a null pixmap.
QPixmap renderPicture(const char* path, qreal devicePixelRatio);

// A window icon drawn from the picture at `path` at every size asked for,
// crisp from 16 to 256 pixels and beyond.
QIcon renderIcon(const char* path);

}  // namespace rt
