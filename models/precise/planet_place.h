#pragma once
// A planet as the site sees it, with its distance, brightness, phase, size
// and heliocentric place.
#include "body_index.h"
#include "instant_frame.h"
#include "sky_places.h"

namespace zenlith::precise {

// Mercury to Neptune, about the Sun at a terrestrial time (Julian date):
// AU and AU per day on the axes of the ICRS.
Motion heliocentricPlanet(double terrestrialTime, BodyIndex planet);

// The planet where it was when the light now arriving at the Earth left it,
// from the Sun and from the Earth (AU, ICRS axes).
struct Emission {
    Vector heliocentric;
    Vector geocentric;
};
Emission emissionOf(const Motion& planet, const Vector& earth);

// Mercury to Neptune.
BodyPlace planetPlace(const InstantFrame& frame, BodyIndex planet);

}  // namespace zenlith::precise
