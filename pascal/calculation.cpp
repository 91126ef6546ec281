#include "calculation.h"

#include <cmath>

namespace pascal {

Press press(float F, float D1, float D2)
{
    const float P = static_cast<float>((F * 4.0) / (std::pow(static_cast<double>(D1), 2) * 3.14));
    const float R = static_cast<float>(std::pow(static_cast<double>(D2), 2) * (P * 3.14) / 4);
    return {P, R};
}

}  // namespace pascal
