#include "colors.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "errors.h"

namespace rt {

Color QBColor(int index)
{
    static constexpr std::array<Color, 16> palette = {
        RGB(0, 0, 0),     RGB(0, 0, 128),     RGB(0, 128, 0),     RGB(0, 128, 128),   RGB(128, 0, 0), RGB(128, 0, 128),
        RGB(128, 128, 0), RGB(192, 192, 192), RGB(128, 128, 128), RGB(0, 0, 255),     RGB(0, 255, 0), RGB(0, 255, 255),
        RGB(255, 0, 0),   RGB(255, 0, 255),   RGB(255, 255, 0),   RGB(255, 255, 255),
    };
    if (index < 0 || index >= static_cast<int>(palette.size())) throw InvalidArgument();
    return palette[static_cast<size_t>(index)];
}

namespace {

double linear(int channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The high-contrast profile's table: a colour of the documents, and how
// it is painted as a text and as a fill. A colour not listed is painted as
// the documents have it.
struct Recolouring {
    Color document, text, fill;
};
constexpr Recolouring kHighContrast[] = {
    {RGB(255, 0, 0), RGB(192, 0, 0), RGB(255, 0, 0)},
};

const Recolouring* recolouring(Profile profile, Color color)
{
    if (profile != Profile::HighContrast) return nullptr;
    for (const Recolouring& r : kHighContrast)
        if (r.document == color) return &r;
    return nullptr;
}

}  // namespace

double relativeLuminance(Color color)
{
    return 0.2126 * linear(redOf(color)) + 0.7152 * linear(greenOf(color)) + 0.0722 * linear(blueOf(color));
}

double contrastRatio(Color a, Color b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Color controlInk(Color background)
{
    const Color dark = RGB(89, 89, 89), light = RGB(200, 200, 200);
    return contrastRatio(dark, background) >= contrastRatio(light, background) ? dark : light;
}

Color textColor(Profile profile, Color color)
{
    const Recolouring* r = recolouring(profile, color);
    return r != nullptr ? r->text : color;
}

Color fillColor(Profile profile, Color color)
{
    const Recolouring* r = recolouring(profile, color);
    return r != nullptr ? r->fill : color;
}

}  // namespace rt
