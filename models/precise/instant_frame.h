#pragma once
// Everything about one instant that every body shares: the time scales, the
// Earth and the Moon, the rotations to the equator and the ecliptic of date,
// the Earth's rotation and the site's place in space.
#include "earth_and_moon.h"
#include "site.h"
#include "vectors.h"

namespace zenlith::precise {

struct InstantFrame {
    double terrestrialTime = 0;  // Julian date, TT
    EarthAndMoon earthAndMoon;
    Matrix trueEquator;   // ICRS axes to the true equator and equinox of date
    Matrix meanEcliptic;  // ICRS axes to the mean ecliptic and equinox of date
    Matrix trueEcliptic;  // ICRS axes to the true ecliptic and equinox of date
    double siderealTime = 0;  // Greenwich apparent sidereal time, radians
    Vector observer;          // from the geocentre, AU, true equator of date
    double latitudeRadians = 0;   // the site's, geodetic
    double longitudeRadians = 0;  // east positive
};

// At an instant given as a Julian date in UTC (= UT1).
InstantFrame frameAt(double julianDateUtc, const Site& site);

}  // namespace zenlith::precise
