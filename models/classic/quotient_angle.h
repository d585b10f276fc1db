#pragma once
// Arc tangent of a quotient, in radians, that stays defined when the divisor
// is zero: a body at the zenith or nadir, or on the azimuth formula's pole.
#include <cmath>

namespace zenlith {

inline double arctanOfQuotient(double numerator, double denominator) {
    if (denominator == 0) {
        const double quarterTurn = std::atan(1.0) * 2;
        return numerator > 0 ? quarterTurn : numerator < 0 ? -quarterTurn : 0.0;
    }
    return std::atan(numerator / denominator);
}

}  // namespace zenlith
