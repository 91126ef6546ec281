// The continuity form's fill driven from any three diameters and a flow rate,
// as its scroll bars give them (0 to 200 mm, 0 to 100 l/min): the speeds,
// and every dot the fill gives the form to draw, inside the pipe.

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "continuity/calculation.h"
#include "require.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    if (size < 4) return 0;
    using namespace continuity;
    const float d[] = {float(data[0] % 201), float(data[1] % 201), float(data[2] % 201)};
    const float cabal = float(data[3] % 101);
    for (float diametre : d)
        if (diametre > 0) require(std::isfinite(speed(cabal, diametre)) && speed(cabal, diametre) >= 0);
    // No dot beyond the widest wall (ten twips a millimetre from the centre
    // line), but for what a transition's last step overshoots; none off the
    // pipe's length, and no more than its columns can hold.
    const float reach = std::max({d[0], d[1], d[2]}) * 10 + 120;
    long dots = 0;
    fillDots(d[0], d[1], d[2], [&](int x, int offset) {
        require(x >= kSection1 && x <= kEnd);
        require(offset >= 1 && offset <= reach);
        ++dots;
    });
    require(dots <= ((kEnd - kSection1) / 5 + 5) * (static_cast<long>(reach) / 10 + 1));
    return 0;
}
