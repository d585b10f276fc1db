#pragma once
// From an apparent geocentric place to what the site sees: right ascension,
// declination, azimuth and altitude.
#include "instant_frame.h"
#include "sky_places.h"
#include "vectors.h"

namespace zenlith::precise {

// The apparent geocentric vector (AU, ICRS axes) seen from the site: Ra and
// Decl on the true equator and equinox of date, Az from north through east,
// Alt refracted and AltAirless, all in degrees.
void placeFromSite(const InstantFrame& frame, const Vector& apparentGeocentric, BodyPlace& place);

// Ecliptic longitude (0..360) and latitude in degrees of a vector already on
// ecliptic axes.
struct EclipticAngles {
    double lon = 0;
    double lat = 0;
};
EclipticAngles eclipticAngles(const Vector& onEcliptic);

}  // namespace zenlith::precise
