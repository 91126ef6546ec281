#include "colors.h"

#include <array>

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

}  // namespace rt
