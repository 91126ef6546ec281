#pragma once
// The physics of the Torricelli form: plain C++, no Qt. Heights are twips
// of drawing, 500 to the metre.

#include <string>

namespace torricelli {

inline constexpr float kTwipsPerMetre = 500;
inline constexpr float kHighestLiquid = 10;  // metres

// What a typed height comes to: accepted, or refused with the message the
// form writes into its warning line.
enum class Refusal { None, NegativeLiquid, NegativeHole, LiquidTooHigh, BelowHole };
const char* message(Refusal refusal);

struct Liquid {
    float twips;  // 0 when refused
    Refusal refusal;
};
// The liquid height typed into its box.
Liquid readLiquid(const std::string& text);

struct Hole {
    float twips;  // 0 when refused
    Refusal refusal;
};
// The hole height typed into its box, against the liquid's last height.
Hole readHole(const std::string& text, float liquidTwips);

// The three results, rounded as the form shows them.
struct Results {
    float speed;     // m/s
    float distance;  // m
    float time;      // s
};
Results results(float liquidTwips, float holeTwips);

// Horizontal reach of the jet, in metres, after falling k twips below the
// hole while the surface stands at drawing height y (negative upwards).
float jetReach(float k, float y, float holeTwips);

// The filling, a row of liquid for each drawing height from the surface
// down to the ground, one twip apart: `row(y)`.
template <class Row>
void fillingRows(float liquidTwips, Row&& row)
{
    for (float y = -liquidTwips; y <= 0; y += 1) row(y);
}

// The emptying, the surface lowered from the liquid's height to the hole's
// one twip at a time: `level(y)` at each height y, then `jetPoint(reach,
// height)` for each point of the jet that leaves the hole then, every 100
// twips of its fall, its reach in metres.
template <class Level, class JetPoint>
void emptyingSteps(float liquidTwips, float holeTwips, Level&& level, JetPoint&& jetPoint)
{
    for (float y = -liquidTwips; y <= -holeTwips; y += 1) {
        level(y);
        for (float k = 0; k <= holeTwips; k += 100) jetPoint(jetReach(k, y, holeTwips), k - holeTwips);
    }
}

}  // namespace torricelli
