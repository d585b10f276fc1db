#pragma once
// The place the sky is seen from, made ready once for every instant's
// reductions: geodetic angles and the point on the WGS84 ellipsoid.
#include "place.h"
#include "vectors.h"

namespace zenlith::precise {

struct Site {
    double latitudeRadians = 0;   // geodetic, north positive
    double longitudeRadians = 0;  // east positive
    Vector onEarth{};             // from the geocentre, AU, in the Earth's own axes
};

Site siteOf(const Place& place);

}  // namespace zenlith::precise
