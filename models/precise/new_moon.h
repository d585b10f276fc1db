#pragma once
// The last new Moon: the last instant when the apparent geocentric ecliptic
// longitudes of the Moon and the Sun were equal.
#include "vectors.h"

namespace zenlith::precise {

// How far the Moon is ahead of the Sun in apparent geocentric ecliptic
// longitude at a terrestrial time, degrees in [-180, 180), and how fast that
// changes, degrees per day. The ecliptic axes are given: over a month they
// turn by a few arc-seconds, which moves both longitudes alike.
struct Elongation {
    double degrees = 0;
    double degreesPerDay = 0;
};
Elongation moonAheadOfSun(double terrestrialTime, const Matrix& ecliptic);

// The terrestrial time of the last new Moon at or before the given one, to
// better than a second.
double lastNewMoon(double terrestrialTime, const Matrix& ecliptic);

}  // namespace zenlith::precise
