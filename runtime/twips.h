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

}  // namespace rt
