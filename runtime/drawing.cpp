#include "drawing.h"

#include <algorithm>
#include <cmath>

#include "control.h"
#include "drawing_surface.h"
#include "errors.h"
#include "qt_colors.h"
#include "session.h"
#include "twips.h"

namespace rt {

namespace {

// Pixel coordinates of a point given in twips, at a number of pixels to 15
// twips.
QPointF pixelsOf(QPointF twips, double scale)
{
    const double s = scale / kTwipsPerPixel;
    return QPointF(std::floor(twips.x() * s + 0.5), std::floor(twips.y() * s + 0.5));
}

}  // namespace

Drawing::Drawing(DrawingSurface& surface, const Host& host) : surface_(surface), host_(host) {}

QPointF Drawing::twipsOf(float x, float y) const
{
    const double twipsX = static_cast<double>(x) * twipsPerUnitX_;
    const double twipsY = static_cast<double>(y) - scaleTop_;
    // Far beyond any screen (or not a number): the drawing call fails.
    constexpr double kLimit = 1e8;
    if (!(std::fabs(twipsX) < kLimit && std::fabs(twipsY) < kLimit)) throw Overflow();
    return QPointF(twipsX, twipsY);
}

void Drawing::paint(const DrawCall& d)
{
    if (d.kind == DrawCall::Kind::Erase) {
        surface_.erase(d.control->viewRect(d.x1, d.y1, d.x2, d.y2, host_.zoom()));
        return;
    }
    const QPointF a = pixelsOf(QPointF(d.x1, d.y1), surface_.scale());
    const QPointF b = pixelsOf(QPointF(d.x2, d.y2), surface_.scale());
    if (d.kind == DrawCall::Kind::Segment)
        surface_.line(a, b, toQColor(host_.session().fill(d.color)), d.width);
    else
        surface_.box(QRectF(a, b), toQColor(host_.session().fill(d.color)), d.width,
                     d.kind == DrawCall::Kind::FilledBox);
}

void Drawing::keep(const DrawCall& kept)
{
    if (!replayable_) return;
    if (kept_.size() == kMaxKept) {
        replayable_ = false;
        std::vector<DrawCall>().swap(kept_);
        return;
    }
    kept_.push_back(kept);
}

void Drawing::draw(DrawCall::Kind kind, float x1, float y1, float x2, float y2, Color color)
{
    const DrawCall call{.x1 = x1,
                        .y1 = y1,
                        .x2 = x2,
                        .y2 = y2,
                        .color = color == kDefaultColor ? foreColor_ : color,
                        .width = static_cast<std::uint16_t>(std::min(drawWidth_, 65535)),
                        .kind = kind};
    const QPointF from = twipsOf(x1, y1), to = twipsOf(x2, y2);
    DrawCall kept = call;
    kept.x1 = float(from.x()), kept.y1 = float(from.y()), kept.x2 = float(to.x()), kept.y2 = float(to.y());
    keep(kept);
    paint(kept);
    // What a call costs is counted in pixels at a zoom of 1 and a pixel
    // ratio of 1, so that an animation lasts as long on any screen.
    const QPointF a = pixelsOf(from, 1), b = pixelsOf(to, 1);
    const double dx = std::abs(a.x() - b.x()), dy = std::abs(a.y() - b.y());
    double pixels = 0;
    switch (kind) {
    case DrawCall::Kind::Segment: pixels = (dx + dy + drawWidth_) * drawWidth_; break;  // a square pen along it
    case DrawCall::Kind::Box: pixels = 2 * (dx + dy + drawWidth_) * drawWidth_; break;
    case DrawCall::Kind::FilledBox: pixels = (dx + 1) * (dy + 1); break;
    case DrawCall::Kind::Erase: break;
    }
    host_.session().pacer().chargeDrawing(static_cast<long long>(pixels));
    if (recorder_) recorder_(call);
    currentX_ = x2;
    currentY_ = y2;
}

void Drawing::eraseUnder(const Control& control)
{
    if (kept_.empty() && replayable_) return;  // nothing drawn since Cls
    const DrawCall erased{.x1 = control.Left(),
                          .y1 = control.Top(),
                          .x2 = control.Width(),
                          .y2 = control.Height(),
                          .color = 0,
                          .width = 0,
                          .kind = DrawCall::Kind::Erase,
                          .control = &control};
    keep(erased);
    paint(erased);
}

void Drawing::redraw(QSize clientSize, double scale)
{
    // Nothing is lost or blurred, but for a drawing too long to keep, which
    // is stretched.
    surface_.rescale(clientSize, scale, !replayable_);
    for (const DrawCall& d : kept_) paint(d);
    surface_.flush();
}

void Drawing::flushDrawing()
{
    surface_.flush();
}

void Drawing::Line(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Segment, x1, y1, x2, y2, color);
}

void Drawing::LineTo(float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Segment, currentX_, currentY_, x2, y2, color);
}

void Drawing::Box(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::Box, x1, y1, x2, y2, color);
}

void Drawing::FilledBox(float x1, float y1, float x2, float y2, Color color)
{
    draw(DrawCall::Kind::FilledBox, x1, y1, x2, y2, color);
}

void Drawing::Cls()
{
    cleared();
    surface_.clear();
    kept_.clear();
    replayable_ = true;
    currentX_ = currentY_ = 0;
    host_.session().pacer().chargeDrawing(0);
}

void Drawing::setDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767) throw InvalidPropertyValue();
    drawWidth_ = pixels;
}

void Drawing::setScaleWidth(float units)
{
    if (units == 0) throw InvalidArgument();
    twipsPerUnitX_ = kClientWidth / units;
}

}  // namespace rt
