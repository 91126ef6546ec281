#include "calculation.h"

#include <cmath>

#include "runtime/numbers.h"

namespace continuity {

float pi()
{
    return static_cast<float>(4 * std::atan(1.0));
}

float speed(float cabal, float diametre)
{
    const double v = (static_cast<double>(cabal) * 200) /
                     (static_cast<double>(diametre) * diametre * (static_cast<double>(pi()) * 3));
    return rt::roundHalfDown(static_cast<float>(v), 3);
}

std::int16_t straightLimit(float diametre)
{
    return rt::toInt16((diametre - 2) / 0.1);
}

std::int16_t transitionLimit(float diametre, float a)
{
    return rt::toInt16((diametre - 2) / 0.1 + a);
}

}  // namespace continuity
