// The Archimedes form's calculation and motion driven from any pair of
// scroll-bar values (the density in tenths, the height in metres, as the
// bars give them): the weight, the cover, and every top the motion moves
// the container to.

#include <cmath>
#include <cstdint>

#include "archimedes/calculation.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    using namespace archimedes;
    const int density = data[0] % 201, height = data[1] % 11;
    const float F = weight(density, height);
    require(std::isfinite(F) && F >= 0);
    const float cover = coverHeight(height);
    require(cover >= 0 && cover <= 1000);
    const int direction = motionDirection(F);
    require(direction == -1 || direction == 0 || direction == 1);
    long steps = 0;
    int last = kRestTop;
    motionTops(F, [&](int y) {
        require(y >= kHighestTop && y <= kLowestTop);
        require(steps == 0 ? y == kRestTop : y == last + direction);
        last = y;
        ++steps;
    });
    require(steps == (direction == 0 ? 0 : 2201));
    require(!resultText(F).empty());
    return 0;
}
