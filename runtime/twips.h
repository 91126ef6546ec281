#pragma once
// Positions and sizes are twips; one logical pixel is 15 twips at a zoom of
// 1, and `zoom` logical pixels at a larger one.

#include <QRect>
#include <QSize>
#include <cmath>

namespace rt {

inline constexpr float kTwipsPerPixel = 15.0f;

// Every form's client area, as designed.
inline constexpr float kClientWidth = 11880, kClientHeight = 8595;

inline int toPixels(float twips, double zoom = 1)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel * zoom));
}

// The client area's size in logical pixels at a zoom: 792 x 573 at 1.
inline QSize clientSize(double zoom = 1)
{
    return {toPixels(kClientWidth, zoom), toPixels(kClientHeight, zoom)};
}

// Edges are rounded, not sizes, so that adjoining controls stay adjoined.
inline QRect pixelRect(float left, float top, float width, float height, double zoom = 1)
{
    const int l = toPixels(left, zoom), t = toPixels(top, zoom);
    return QRect(l, t, toPixels(left + width, zoom) - l, toPixels(top + height, zoom) - t);
}

// Every pixel a rectangle touches: shapes that lie less than a pixel apart
// in twips then meet on screen, with no row of background between them.
inline QRect coveringRect(float left, float top, float width, float height, double zoom = 1)
{
    const auto down = [zoom](float twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel * zoom)); };
    const auto up = [zoom](float twips) { return static_cast<int>(std::ceil(twips / kTwipsPerPixel * zoom)); };
    const int l = down(left), t = down(top);
    return QRect(l, t, up(left + width) - l, up(top + height) - t);
}

}  // namespace rt
