#include "calculation.h"

#include "runtime/numbers.h"

namespace venturi {

float roundSpeed(float v)
{
    const float D = rt::Int(v * 10000);
    const int m = rt::toInt32(D) % 5;
    const double sum = static_cast<double>(v * 1000) + (5 - m) / 10.0;
    return static_cast<float>(rt::Int(sum) / 1000);
}

Results calculate(int cabal)
{
    const auto Q = static_cast<float>(cabal);
    const auto V1 = static_cast<float>(Q / (60000 * A1));
    const auto V2 = static_cast<float>(Q / (60000 * A2));
    const auto dp = static_cast<float>(((A1 * A1 - A2 * A2) / (A2 * A2)) * (500 * static_cast<double>(V1) * V1));
    const auto difference = static_cast<float>(rt::Int(dp / 9.8));
    return {Q, roundSpeed(V1), roundSpeed(V2), difference};
}

}  // namespace venturi
