// The Venturi form's calculation and filling driven from any flow rate its
// scroll bar gives (0 to 500 l/min), and from any pressure difference at
// all: every segment, tap and mark the filling gives the form to draw, near
// the tube; a difference too large for its 16-bit positions is a run-time
// error, never a wrong picture.

#include <cmath>
#include <cstdint>
#include <cstring>

#include "require.h"
#include "runtime/errors.h"
#include "venturi/calculation.h"

namespace {

// Runs the filling for `delta`, checking what it gives; false if it ended
// in a run-time error.
bool fill(float delta)
{
    using namespace venturi;
    long segments = 0;
    int taps = 0, marks = 0;
    try {
        fillingSteps(
            delta,
            [&](int x1, int y1, int x2, int y2, Ink) {
                require(x1 >= 180 && x1 <= 6660 && x2 >= 180 && x2 <= 6660);
                require(y1 == 3480 || y1 == y2);
                ++segments;
            },
            [&](int tap, float top) {
                require((tap == 1 && top == 6520 + delta) || (tap == 2 && top == 6520 - delta));
                ++taps;
            },
            [&](float y, float right) {
                require((y == 6720 + delta && right == 4215) || (y == 6720 - delta && right == 4450));
                ++marks;
            });
    } catch (const rt::RuntimeError&) {
        return false;
    }
    require(marks == 2 && segments > 0);
    require(taps <= 2 * (static_cast<long>(std::fabs(delta)) / 5 + 2));
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    using namespace venturi;
    const int cabal = (data[0] | data[1] << 8) % 501;
    const Results r = calculate(cabal);
    for (float v : {r.cabal, r.speed1, r.speed2, r.difference}) require(std::isfinite(v) && v >= 0);
    require(fill(r.difference));  // every flow rate the bar gives draws
    if (size >= 6) {
        float delta;
        std::memcpy(&delta, data + 2, sizeof delta);
        if (std::isfinite(delta)) fill(delta);
    }
    return 0;
}
