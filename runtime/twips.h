#pragma once
// Positions and sizes are twips; one logical pixel is 15 twips.

#include <QRect>
#include <cmath>

namespace rt {

inline constexpr float kTwipsPerPixel = 15.0f;

inline int toPixels(float twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

// Edges are rounded, not sizes, so that adjoining controls stay adjoined.
inline QRect pixelRect(float left, float top, float width, float height)
{
    const int l = toPixels(left), t = toPixels(top);
    return QRect(l, t, toPixels(left + width) - l, toPixels(top + height) - t);
}

// Every pixel a rectangle touches: shapes that lie less than a pixel apart
// in twips then meet on screen, with no row of background between them.
inline QRect coveringRect(float left, float top, float width, float height)
{
    const auto down = [](float twips) { return static_cast<int>(std::floor(twips / kTwipsPerPixel)); };
    const auto up = [](float twips) { return static_cast<int>(std::ceil(twips / kTwipsPerPixel)); };
    const int l = down(left), t = down(top);
    return QRect(l, t, up(left + width) - l, up(top + height) - t);
}

}  // namespace rt
