#pragma once
// The physics of the Archimedes form: plain C++, no Qt.

#include <string>

namespace archimedes {

// The buoyancy is the same for every input: water 1000 kg/m³ × g 9.8 m/s²
// × a container of 1 m² section and 10 m height.
inline constexpr float E = 98000.0f;

// Weight F of the product, in newtons, for the scroll-bar values: density
// ×10 (kg/dm³) and height (m), with the single-precision steps of the form.
float weight(int densityTenths, int heightMetres);

// Height of the cover that hides the empty upper part of the container,
// in twips (1 m of product is 100 twips; the container is 1000 high).
float coverHeight(int heightMetres);

// Positions of the container's Top in its motion, in twips of the water.
inline constexpr int kRestTop = 2200;
inline constexpr int kHighestTop = 0;
inline constexpr int kLowestTop = 4400;

// Where the container goes for a weight F: +1 down, -1 up, 0 stays.
int motionDirection(float F);

// The motion for a weight F, one twip a step from the rest position to the
// surface or the bottom: `top(y)` at each step, the rest position first;
// none where the container stays.
template <class Top>
void motionTops(float F, Top&& top)
{
    const int direction = motionDirection(F);
    if (direction == 0) return;
    const int end = direction < 0 ? kHighestTop : kLowestTop;
    for (int y = kRestTop;; y += direction) {
        top(y);
        if (y == end) break;
    }
}

// The judgement of the pupil's prediction (option index 0, 1 or 2).
const char* judgement(int option, float F);

// The text written after the motion.
std::string resultText(float F);

}  // namespace archimedes
