#pragma once
// The physics of the Pascal form: plain C++, no Qt.

#include <string>

namespace pascal {

struct Press {
    float pressure;  // P, N/mm² (MPa)
    float result;    // R, N
};

// The pressure under piston 1 and the force on piston 2, for an applied
// force F (N) and piston diameters D1 and D2 (mm).
Press press(float F, float D1, float D2);

}  // namespace pascal
