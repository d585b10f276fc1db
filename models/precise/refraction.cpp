#include "refraction.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zenlith::precise {

double refractedAltitude(double airlessAltitude) {
    const double h = airlessAltitude;
    // Sæmundsson's formula (Meeus, Astronomical Algorithms, 16.4) takes the
    // true altitude, which is what the model computes, so no iteration is
    // needed; it is the inverse of Bennett's and agrees with it to 0.07′. Its
    // constants are for 10 °C and 1010 hPa exactly.
    // Below the horizon the formula means nothing and grows towards its pole
    // at −5.11°. Fading it out between −1° and −2° keeps the altitude
    // continuous and increasing, which searches for rising and setting need.
    const double weight = std::clamp(h + 2, 0.0, 1.0);
    if (weight == 0) {
        return h;
    }
    const double minutes = 1.02 / std::tan((h + 10.3 / (h + 5.11)) * std::numbers::pi / 180);
    return h + weight * minutes / 60;
}

}  // namespace zenlith::precise
