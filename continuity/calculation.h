#pragma once
// The physics of the continuity form: plain C++, no Qt. Flow rates in
// litres per minute, diameters in millimetres, speeds in m/s.

#include <cstdint>

namespace continuity {

// π as the form computes it, 4·arctan(1) in single precision.
float pi();

// The speed in a section, in m/s, rounded to three decimals.
float speed(float cabal, float diametre);

// Ends of the sections along the pipe, in drawing units.
inline constexpr int kSection1 = 370, kTransition1 = 800, kSection2 = 890, kTransition2 = 1420, kSection3 = 1570,
                     kEnd = 2550;

// How far from the centre line a column's dots reach, in twips: in a
// straight section, and in a transition whose widening term has grown to a.
// (16-bit, as they were: an overflow is a run-time error.)
std::int16_t straightLimit(float diametre);
std::int16_t transitionLimit(float diametre, float a);

// The fill of a pipe of diameters d1, d2 and d3 mm: columns of dots 5 units
// apart along it, 10 twips between dots, out from the centre line to each
// side; the transitions widen step by step. `dot(x, offset)` for each pair
// of dots, the column's x and their distance from the centre line.
template <class Dot>
void fillDots(float d1, float d2, float d3, Dot&& dot)
{
    const auto column = [&](int x, int n) {
        for (int i = 1; i <= n; i += 10) dot(x, i);
    };
    for (int x = kSection1; x <= kTransition1; x += 5) column(x, straightLimit(d1));
    float a = 0;
    for (int x = kTransition1; x <= kSection2; x += 5) {
        a = static_cast<float>(a + (d2 - d1) / 1.8);
        column(x, transitionLimit(d1, a));
    }
    for (int x = kSection2; x <= kTransition2; x += 5) column(x, straightLimit(d2));
    a = 0;
    for (int x = kTransition2; x <= kSection3; x += 5) {
        a = static_cast<float>(a + (d3 - d2) / 3.0);
        column(x, transitionLimit(d2, a));
    }
    for (int x = kSection3; x <= kEnd; x += 5) column(x, straightLimit(d3));
}

}  // namespace continuity
