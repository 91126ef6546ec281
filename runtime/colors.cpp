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
// Each keeps its hue: a darker red, a deeper blue, a deeper cyan.
constexpr Recolouring kHighContrast[] = {
    // Red: titles, warnings and results at 6.5:1 on white; the product
    // and the manometer's column dark, so that the water and the tap
    // around them stand out.
    {RGB(255, 0, 0), RGB(192, 0, 0), RGB(112, 0, 0)},
    // Blue: the water of the pipes and the tube, deeper than its tap.
    {RGB(0, 0, 255), RGB(0, 0, 255), RGB(0, 0, 192)},
    // The manometer's taps: a green between the dark columns and white.
    {RGB(0, 192, 0), RGB(0, 128, 0), RGB(0, 168, 0)},
    // The menu's and the press's cyan, and Archimedes' water: deep enough
    // against white, light enough for black and navy text on it.
    {RGB(0, 255, 255), RGB(0, 128, 128), RGB(0, 160, 192)},
    {RGB(128, 255, 255), RGB(0, 128, 128), RGB(0, 144, 176)},
    // The menu's title, on that cyan.
    {RGB(0, 0, 192), RGB(0, 0, 128), RGB(0, 0, 192)},
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
    // A grey where one stands out; on a colour as bright as a mid grey,
    // black or white.
    for (const Color grey : {RGB(89, 89, 89), RGB(200, 200, 200)})
        if (contrastRatio(grey, background) >= 3.5) return grey;
    return contrastRatio(RGB(0, 0, 0), background) >= contrastRatio(RGB(255, 255, 255), background)
               ? RGB(0, 0, 0)
               : RGB(255, 255, 255);
}

Color haloOf(Color ink)
{
    return contrastRatio(ink, RGB(255, 255, 255)) >= contrastRatio(ink, RGB(0, 0, 0)) ? RGB(255, 255, 255)
                                                                                      : RGB(0, 0, 0);
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
