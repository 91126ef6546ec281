#include "drawing_surface.h"

#include <QPaintEvent>
#include <algorithm>
#include <cmath>

#include "twips.h"

namespace rt {

DrawingSurface::DrawingSurface(QWidget& client) : QWidget(&client)
{
    setObjectName(QStringLiteral("dibuix"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    rescale(clientSize(), client.devicePixelRatioF());
}

void DrawingSurface::rescale(QSize logicalSize, qreal scale, bool keep)
{
    painter_.reset();
    const QImage before = keep ? image_ : QImage();
    setGeometry(QRect(QPoint(0, 0), logicalSize));
    dpr_ = devicePixelRatioF();
    scale_ = scale;
    image_ = QImage();
    drawn_ = dirty_ = QRect();
    if (!before.isNull()) {
        image_ = before.scaled((QSizeF(logicalSize) * dpr_).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        drawn_ = rect();
    }
    update();
}

QPainter& DrawingSurface::painter()
{
    // The picture is made at the first drawing: most forms open with none,
    // and a window's worth of transparent pixels slows the start.
    if (image_.isNull()) {
        image_ = QImage((QSizeF(size()) * dpr_).toSize(), QImage::Format_ARGB32_Premultiplied);
        image_.fill(Qt::transparent);
    }
    if (!painter_) painter_.emplace(&image_);
    return *painter_;
}

void DrawingSurface::touched(const QRectF& deviceRect)
{
    const QRectF logical(deviceRect.topLeft() / dpr_, deviceRect.size() / dpr_);
    const QRect around = logical.toAlignedRect().adjusted(-1, -1, 1, 1);
    dirty_ |= around;
    drawn_ |= around;
}

void DrawingSurface::line(QPointF from, QPointF to, QColor color, int width)
{
    const int w = std::max(1, static_cast<int>(std::lround(width * scale_)));
    QPainter& p = painter();
    if (from.y() == to.y() || from.x() == to.x()) {
        // Level and upright lines, the most common, as exact pixel runs.
        const int x1 = static_cast<int>(std::min(from.x(), to.x())), x2 = static_cast<int>(std::max(from.x(), to.x()));
        const int y1 = static_cast<int>(std::min(from.y(), to.y())), y2 = static_cast<int>(std::max(from.y(), to.y()));
        // The pen is w pixels square: a wide line reaches past its ends by
        // half the pen, and a line of no length is a dot.
        const int half = w / 2;
        const QRect r(x1 - half, y1 - half, x2 - x1 + w, y2 - y1 + w);
        p.fillRect(r, color);
        touched(r);
        return;
    }
    QPen pen(color, w);
    pen.setCapStyle(w > 1 ? Qt::RoundCap : Qt::SquareCap);
    p.setPen(pen);
    p.drawLine(from, to);
    touched(QRectF(from, to).normalized().adjusted(-w, -w, w, w));
}

void DrawingSurface::box(QRectF r, QColor color, int width, bool filled)
{
    r = r.normalized();
    if (filled) {
        const QRect cells(QPoint(static_cast<int>(r.left()), static_cast<int>(r.top())),
                          QPoint(static_cast<int>(r.right()), static_cast<int>(r.bottom())));
        painter().fillRect(cells, color);
        touched(cells);
        return;
    }
    line(r.topLeft(), r.topRight(), color, width);
    line(r.topRight(), r.bottomRight(), color, width);
    line(r.bottomRight(), r.bottomLeft(), color, width);
    line(r.bottomLeft(), r.topLeft(), color, width);
}

void DrawingSurface::clear()
{
    painter_.reset();
    if (drawn_.isEmpty()) return;
    image_.fill(Qt::transparent);
    dirty_ |= drawn_;
    drawn_ = QRect();
}

void DrawingSurface::erase(const QRect& logicalRect)
{
    if (!logicalRect.isValid() || !logicalRect.intersects(drawn_)) return;
    const QRect r((logicalRect.topLeft() * dpr_), (logicalRect.size() * dpr_));
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(r, Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    dirty_ |= logicalRect;
}

void DrawingSurface::flush()
{
    painter_.reset();
    if (dirty_.isEmpty()) return;
    update(dirty_);
    dirty_ = QRect();
}

void DrawingSurface::paintEvent(QPaintEvent* event)
{
    painter_.reset();
    const QRect r = event->rect() & drawn_;
    if (r.isEmpty()) return;
    QPainter p(this);
    const QRectF source(QPointF(r.topLeft()) * dpr_, QSizeF(r.size()) * dpr_);
    p.drawImage(QRectF(r), image_, source);
}

}  // namespace rt
