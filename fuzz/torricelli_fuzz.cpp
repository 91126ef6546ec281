// The Torricelli form's readings and loops driven from any typed text: the
// liquid and the hole heights (the input split at its first newline), the
// results, and every coordinate the filling and the emptying would draw.

#include <cmath>
#include <cstdint>
#include <string>

#include "torricelli/calculation.h"

namespace {

void require(bool condition)
{
    if (!condition) __builtin_trap();
}

}  // namespace

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

    // The filling draws L + 1 rows; the emptying L - H + 1 levels of at most
    // 51 jet segments each: bounded, and every point finite and near.
    require(L - H + 1 <= 5001);
    for (float y : {-L, -(L + H) / 2, -H}) {
        for (float k = 0; k <= H; k += 100) {
            const float s = jetReach(k, y, H);
            require(std::isfinite(s) && s >= 0);
            const float x = 2640 + 500 * s;
            require(x < 1e6f);
        }
    }
    return 0;
}
