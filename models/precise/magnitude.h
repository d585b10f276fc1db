#pragma once
// Visual magnitudes of the planets after Mallama & Hilton (2018), "Computing
// apparent planetary magnitudes for The Astronomical Almanac", Astronomy and
// Computing 25, 10–24.
#include "body_index.h"

namespace zenlith::precise {

struct MagnitudeGeometry {
    double sunDistance = 0;    // r, AU
    double earthDistance = 0;  // Δ, AU
    double phaseAngle = 0;     // Sun–planet–Earth, degrees
    // Saturn: the ring plane's tilt to the line of sight, degrees (absolute).
    // Uranus: the mean of the absolute sub-Earth and sub-Sun latitudes, degrees.
    double tilt = 0;
    double year = 2000;        // Neptune brightened between 1980 and 2000
};

// For Mercury to Neptune.
double visualMagnitude(BodyIndex planet, const MagnitudeGeometry& g);

}  // namespace zenlith::precise
