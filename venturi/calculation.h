#pragma once
// The physics of the Venturi tube and the drawing of its filling: plain
// C++, no Qt. Flow rates in litres per minute; drawing in twips.

#include <cstdint>

#include "runtime/colors.h"
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

inline constexpr rt::Color kWater = rt::RGB(0, 0, 255);
inline constexpr rt::Color kManometer = rt::RGB(255, 0, 0);
inline constexpr rt::Color kMark = rt::kDefaultColor;  // the form's foreground colour

// Every step of the filling, in order, for a pressure difference of delta
// millimetres: line(x1, y1, x2, y2, colour) for each segment, and
// taps(left, right) each time the green blocks are set to their places.
template <class Line, class Taps>
void simulate(float delta, Line line, Taps taps);

template <class Line, class Taps>
void simulate(float delta, Line line, Taps taps)
{
    using rt::toInt16;
    const auto seg = [&](int x1, int y1, int x2, int y2, rt::Color c) {
        line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2), static_cast<float>(y2), c);
    };
    // A column of water from the centre line out to `reach` on each side.
    const auto column = [&](int x, int n, int k) {
        for (int i = 1; i <= n; i += 5) {
            seg(x, 3480, x, toInt16(3480 + i + k), kWater);
            seg(x, 3480, x, toInt16(3480 - i - k), kWater);
        }
    };
    for (int x = 240; x <= 2520; x += 5) column(x, 480, 0);
    int k = 0;
    for (int x = 2520; x <= 3120; x += 5) {
        k = toInt16(k + 1);
        column(x, toInt16(480 - k), -k);
    }
    for (int x = 3120; x <= 4800; x += 5) column(x, 240, 0);

    const auto arm = [&](int x, int y, rt::Color c) {
        for (int j = 1; j <= 60; j += 5) {
            seg(x, y, toInt16(x + j), y, c);
            seg(x, y, toInt16(x - j), y, c);
        }
    };
    const int down = toInt16(6520 + delta);
    for (int y = 6520; y <= down; y += 5) {
        taps(6520 + delta, false);
        arm(3660, y, kWater);
    }
    line(3000, 6720 + delta, 4215, 6720 + delta, kMark);
    const int up = toInt16(6720 - delta);
    for (int y = 6720; y >= up; y -= 5) {
        taps(6520 - delta, true);
        arm(4500, y, kManometer);
    }
    line(3000, 6720 - delta, 4450, 6720 - delta, kMark);

    k = 0;
    for (int x = 4800; x <= 5400; x += 5) {
        k = toInt16(k + 2);
        column(x, toInt16(240 + k), k);
    }
    for (int x = 5400; x <= 6600; x += 5) column(x, 720, 0);
}

}  // namespace venturi
