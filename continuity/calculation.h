#pragma once
// The physics and the geometry of the continuity form: plain C++, no Qt.
// Flow rates in litres per minute, diameters in millimetres; drawing x in
// the form's horizontal units, drawing y in twips.

#include <cstdint>

namespace continuity {

// π as the form computes it, 4·arctan(1) in single precision.
float pi();

// The speed in a section, in m/s, rounded to three decimals.
float speed(float cabal, float diametre);

// The pipe's centre line, and the y of a section's wall: side +1 for the
// lower wall, -1 for the upper one (ten twips per millimetre of diameter).
inline constexpr float kCentre = 6480;
float wall(float diametre, int side);

// Ends of the sections along the pipe, in drawing units.
inline constexpr int kSection1 = 370, kTransition1 = 800, kSection2 = 890, kTransition2 = 1420, kSection3 = 1570,
                     kEnd = 2550;

// The fill of the drawn pipe: how far from the centre line each column's
// dots reach. Calls dot(x, y) for every dot in drawing order.
template <class Dot>
void fill(float d1, float d2, float d3, Dot dot);

// The limit of a column in a straight section, and in a transition whose
// widening term has grown to a.
std::int16_t straightLimit(float diametre);
std::int16_t transitionLimit(float diametre, float a);

template <class Dot>
void fill(float d1, float d2, float d3, Dot dot)
{
    const auto column = [&](int x, int n) {
        for (int i = 1; i <= n; i += 10) {
            dot(x, static_cast<int>(kCentre) + i);
            dot(x, static_cast<int>(kCentre) - i);
        }
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
