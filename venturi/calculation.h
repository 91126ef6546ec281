#pragma once
// The physics of the Venturi tube: plain C++, no Qt. Flow rates in litres
// per minute, speeds in m/s, the pressure difference in mm of water.

#include "runtime/numbers.h"

namespace venturi {

inline constexpr double A1 = 0.0314159;  // pipe 1, 200 mm (m²)
inline constexpr double A2 = 0.0019634;  // throat, 50 mm (m²)

struct Results {
    float cabal;       // l/min
    float speed1;      // m/s, rounded
    float speed2;      // m/s, rounded
    float difference;  // mm of water column, a whole number
};
Results calculate(int cabal);

// Rounds a speed to three decimals, half up on the fourth.
float roundSpeed(float v);

// What the filling paints each short segment of: the pipe's water, or the
// manometer's left or right arm.
enum class Ink { Water, LeftArm, RightArm };

// The filling, for a pressure difference of delta millimetres, in the order
// it is drawn: the pipe column by column out from its centre line, 5 twips
// apart; then the manometer's left arm down and its right arm up by delta,
// each level after moving its tap (`tap(1 or 2, top)`), each arm followed
// by the mark of its level (`mark(y, right end)`); then the rest of the
// pipe. `segment(x1, y1, x2, y2, ink)` draws one short segment. Positions
// are 16-bit integers, as they were: an overflow is a run-time error.
template <class Segment, class Tap, class Mark>
void fillingSteps(float delta, Segment&& segment, Tap&& tap, Mark&& mark)
{
    using rt::toInt16;
    // A column of water from the centre line out to `n` on each side.
    const auto column = [&](int x, int n, int k) {
        for (int i = 1; i <= n; i += 5) {
            segment(x, 3480, x, toInt16(3480 + i + k), Ink::Water);
            segment(x, 3480, x, toInt16(3480 - i - k), Ink::Water);
        }
    };
    for (int x = 240; x <= 2520; x += 5) column(x, 480, 0);
    int k = 0;
    for (int x = 2520; x <= 3120; x += 5) {
        k = toInt16(k + 1);
        column(x, toInt16(480 - k), -k);
    }
    for (int x = 3120; x <= 4800; x += 5) column(x, 240, 0);

    const auto arm = [&](int x, int y, Ink ink) {
        for (int j = 1; j <= 60; j += 5) {
            segment(x, y, toInt16(x + j), y, ink);
            segment(x, y, toInt16(x - j), y, ink);
        }
    };
    const int down = toInt16(6520 + delta);
    for (int y = 6520; y <= down; y += 5) {
        tap(1, 6520 + delta);
        arm(3660, y, Ink::LeftArm);
    }
    mark(6720 + delta, 4215.0f);
    const int up = toInt16(6720 - delta);
    for (int y = 6720; y >= up; y -= 5) {
        tap(2, 6520 - delta);
        arm(4500, y, Ink::RightArm);
    }
    mark(6720 - delta, 4450.0f);

    k = 0;
    for (int x = 4800; x <= 5400; x += 5) {
        k = toInt16(k + 2);
        column(x, toInt16(240 + k), k);
    }
    for (int x = 5400; x <= 6600; x += 5) column(x, 720, 0);
}

}  // namespace venturi
