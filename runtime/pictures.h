#pragma once
// Pictures are SVG resources drawn at their own size in logical pixels.

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace rt {

// The picture at `path`, rendered for the given device-pixel ratio and at a
// zoom (its logical size is its own times the zoom); a missing picture
// gives a null pixmap.
QPixmap renderPicture(const char* path, qreal devicePixelRatio, double zoom = 1);

// A picture drawn on a widget, rendered again only when the zoom or the
// screen's pixel ratio changed.
class PictureCache {
public:
    void paint(QWidget& widget, const char* path, double zoom, QPoint at);

private:
    QPixmap pixmap_;
    double zoom_ = 0;
};

// A window icon drawn from the picture at `path` at every size asked for,
// crisp from 16 to 256 pixels and beyond.
QIcon renderIcon(const char* path);

}  // namespace rt
