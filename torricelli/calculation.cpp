#include "calculation.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

#include "runtime/numbers.h"

namespace torricelli {

const char* message(Refusal refusal)
{
    switch (refusal) {
    case Refusal::None: return "";
    case Refusal::NegativeLiquid: return "L'altura del líquid no pot ser negativa";
    case Refusal::NegativeHole: return "L'altura del forat no pot ser negativa";
    case Refusal::LiquidTooHigh: return "L'altura del líquid ha de ser inferior 10 metres";
    case Refusal::BelowHole: return "L'altura ha de ser superior a l'altura del forat";
    }
    return "";
}

namespace {

// A typed number stored in single precision; one beyond its range becomes
// an infinity, which every check then refuses.
float toSingle(double value)
{
    if (std::fabs(value) > FLT_MAX) return value < 0 ? -INFINITY : INFINITY;
    return static_cast<float>(value);
}

}  // namespace

Liquid readLiquid(const std::string& text)
{
    const float metres = toSingle(rt::parseLeadingNumber(text));
    if (metres < 0) return {0, Refusal::NegativeLiquid};
    if (metres > kHighestLiquid) return {0, Refusal::LiquidTooHigh};
    return {metres * kTwipsPerMetre, Refusal::None};
}

Hole readHole(const std::string& text, float liquidTwips)
{
    const double metres = rt::parseLeadingNumber(text);
    const float twips = toSingle(metres * kTwipsPerMetre);
    if (twips < 0) return {0, Refusal::NegativeHole};
    // A hole typed at the liquid's own height lies at it: reckoned in
    // double precision its twips can come out a float's step above the
    // liquid's, reckoned in single (8.03, 8.07, 0.251...).
    if (liquidTwips < twips)
        return toSingle(metres) * kTwipsPerMetre == liquidTwips ? Hole{liquidTwips, Refusal::None}
                                                                : Hole{0, Refusal::BelowHole};
    return {twips, Refusal::None};
}

// The steps work on the heights in twips, as the form keeps them: 19.6 is
// 2g and dividing by 500 turns twips back into metres; 4900 is g × 500.
Results results(float liquidTwips, float holeTwips)
{
    const float fall = liquidTwips - holeTwips;
    const float speed = rt::roundHalfDown(static_cast<float>(std::sqrt(fall * 19.6 / 500)), 2);
    const auto fallTime = [&] { return std::sqrt(static_cast<double>((holeTwips + holeTwips) / 4900)); };
    const float distance = rt::roundHalfDown(static_cast<float>(speed * fallTime()), 2);
    const float time = rt::roundHalfDown(static_cast<float>(fallTime()), 2);
    return {speed, distance, time};
}

float jetReach(float k, float y, float holeTwips)
{
    const double t = std::sqrt(k * 2.0 / 4900);
    const double u = std::sqrt(std::max(0.0, 19.6 * (-y - holeTwips) / 500));
    return static_cast<float>(u * t);
}

}  // namespace torricelli
