#pragma once
// The last new Moon: the last instant when the apparent geocentric ecliptic
// longitudes of the Moon and the Sun were equal.
#include "vectors.h"

namespace zenlith::precise {

// How far the Moon is ahead of the Sun in apparent geocentric ecliptic
// longitude at a terrestrial time, degrees in [-180, 180), and how fast that
// changes, degrees per day, on the given ecliptic axes. Only the ecliptic's
// plane matters: nutation moves the equinox along it, both longitudes alike,
// and over a month the plane turns by a tenth of an arc-second.
struct Elongation {
    double degrees = 0;
    double degreesPerDay = 0;
};
Elongation moonAheadOfSun(double terrestrialTime, const Matrix& ecliptic);

// The terrestrial time of the last new Moon at or before the given one, to
// better than a second. Each new Moon is searched on the ecliptic of its own
// date, so the instant found depends on the lunation alone, whichever time
// led to it.
double lastNewMoon(double terrestrialTime);

// No two new Moons are closer than 29.26 days: after one, the next lies at
// least this far ahead.
inline constexpr double shortestLunation = 29.25;

}  // namespace zenlith::precise
