#pragma once
// Shown figures are cut to two decimals, never rounded. Floor, not
// truncation: negative values move down to the next hundredth (-1.234 shows
// as -1.24), and the steps run in this order so the results match to the bit.
#include <cmath>

namespace zenlith {

inline double cutToHundredths(double value) {
    const double whole = std::floor(value);
    const double fraction = value - whole;
    return whole + std::floor(100 * fraction) / 100;
}

}  // namespace zenlith
