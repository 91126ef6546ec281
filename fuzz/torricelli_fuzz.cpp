// The Torricelli form's readings and loops driven from any typed text: the
// liquid and the hole heights (the input split at its first newline), the
// results, and the filling's and the emptying's own loops, every point
// they give the form to draw.

#include <cmath>
#include <cstdint>
#include <string>

#include "require.h"
#include "torricelli/calculation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t newline = input.find('\n');
    const std::string liquidText = input.substr(0, newline);
    const std::string holeText = newline == std::string::npos ? std::string() : input.substr(newline + 1);

    using namespace torricelli;
    const Liquid liquid = readLiquid(liquidText);
    const float L = liquid.twips;
    require(L >= 0 && L <= kHighestLiquid * kTwipsPerMetre);
    require((liquid.refusal == Refusal::None) || L == 0);
    const Hole hole = readHole(holeText, L);
    const float H = hole.twips;
    require(H >= 0 && H <= L);

    const Results r = results(L, H);
    for (float v : {r.speed, r.distance, r.time}) require(std::isfinite(v) && v >= 0);
    require(r.speed <= 14.01f && r.time <= 1.43f);

    // The filling and the emptying, as the form runs them: bounded, and
    // every point finite and near.
    long rows = 0;
    fillingRows(L, [&](float y) {
        require(y >= -L && y <= 0);
        ++rows;
    });
    require(rows <= 5001);
    long levels = 0, points = 0;
    emptyingSteps(
        L, H,
        [&](float y) {
            require(y >= -L && y <= -H);
            ++levels;
        },
        [&](float reach, float height) {
            require(std::isfinite(reach) && reach >= 0 && 2640 + 500 * reach < 1e6f);
            require(height >= -H && height <= 0);
            ++points;
        });
    require(levels <= 5001 && points <= levels * 51);
    return 0;
}
