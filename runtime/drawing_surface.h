#pragma once

#include <QImage>
#include <QPainter>
#include <QWidget>
#include <optional>

namespace rt {

// The retained picture the form's Line method draws on. It lies above the
// windowless controls and below the windowed ones, and keeps every drawing
// until Cls, so uncovering the window never loses one.
class DrawingSurface : public QWidget {
public:
    explicit DrawingSurface(QWidget& client);
    // Starts a new, empty picture at another size and pixel scale; or, with
    // `keep`, the picture there was, stretched to the new size.
    void rescale(QSize logicalSize, qreal scale, bool keep = false);

    // Device-pixel coordinates of the image.
    void line(QPointF from, QPointF to, QColor color, int width);
    void box(QRectF box, QColor color, int width, bool filled);
    void clear();
    // A windowless control paints over the drawing in its own area.
    void erase(const QRect& logicalRect);
    // Hands what was drawn since the last call to the window system.
    void flush();

    // What has been drawn (null before the first drawing).
    const QImage& image() const { return image_; }
    // Device pixels per pixel of the form at a zoom of 1.
    qreal scale() const { return scale_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPainter& painter();
    void touched(const QRectF& deviceRect);

    QImage image_;     // device pixels; made at the first drawing
    qreal dpr_ = 1;    // device pixels per pixel of this widget
    qreal scale_ = 1;  // device pixels per pixel of the form at a zoom of 1
    std::optional<QPainter> painter_;
    QRect dirty_;  // logical pixels
    QRect drawn_;  // logical pixels holding a drawing since the last clear
};

}  // namespace rt
