#pragma once
// The physics of the Venturi tube: plain C++, no Qt. Flow rates in litres
// per minute, speeds in m/s, the pressure difference in mm of water.

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

}  // namespace venturi
