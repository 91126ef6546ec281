#pragma once
// Colours as the forms write them: 24-bit values r + 256·g + 65536·b.

#include <cstdint>

namespace rt {

using Color = std::uint32_t;

// No colour given: the control takes its container's or its own default.
inline constexpr Color kDefaultColor = 0xFFFFFFFFu;

constexpr Color RGB(int r, int g, int b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

constexpr int redOf(Color c)
{
    return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(Color c)
{
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(Color c)
{
    return static_cast<int>((c >> 16) & 0xFF);
}

// How bright a colour is to the eye, and how two differ, as the Web
// Content Accessibility Guidelines reckon it: a text needs 4.5:1 against
// its background, a control or a part of a drawing 3:1 against what it
// touches.
double relativeLuminance(Color color);
double contrastRatio(Color a, Color b);

// A dark grey or a light one, whichever stands out against `background`:
// the runtime's own lines (a scroll bar's border and thumb, a text box's
// border, an option button's circle), at 3:1 or more against it.
Color controlInk(Color background);

// White or black, whichever stands out against a text's `ink`: in the
// high-contrast profile, a text drawn over a picture is ringed with it.
Color haloOf(Color ink);

// The colours a form is painted in. The documents' own, or, for a
// projector or a pupil who sees less, the high-contrast profile: every
// text at 4.5:1, every control and every part of a drawing at 3:1, each
// colour keeping its hue. A colour is painted as a text's ink or as a fill
// (a background, a shape, a line of the drawing), which may differ.
enum class Profile { Documents, HighContrast };
Color textColor(Profile profile, Color color);
Color fillColor(Profile profile, Color color);

// The sixteen-colour palette; any other index raises InvalidArgument.
Color QBColor(int index);

// System colours, as the standard colour scheme paints them. The forms name
// them as they were designed, system colours and not plain values: most of
// them give "title bar text" as their background and their labels', which
// that scheme paints white. They are fixed here, not read from the desktop,
// so that every machine shows the forms as designed, a dark theme included.
namespace sys {
inline constexpr Color Window = RGB(255, 255, 255);
inline constexpr Color WindowText = RGB(0, 0, 0);
inline constexpr Color TitleBarText = RGB(255, 255, 255);
inline constexpr Color HighlightText = RGB(255, 255, 255);
inline constexpr Color Highlight = RGB(0, 0, 128);
inline constexpr Color ButtonFace = RGB(192, 192, 192);
}  // namespace sys

}  // namespace rt
