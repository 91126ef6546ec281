#pragma once
// The physics of the continuity form: plain C++, no Qt. Flow rates in
// litres per minute, diameters in millimetres, speeds in m/s.

namespace continuity {

// π as the form computes it, 4·arctan(1) in single precision.
float pi();

// The speed in a section, in m/s, rounded to three decimals.
float speed(float cabal, float diametre);

}  // namespace continuity
