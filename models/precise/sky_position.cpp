#include "sky_position.h"

#include <erfa.h>
#include <erfam.h>

#include "refraction.h"

namespace zenlith::precise {

void placeFromSite(const InstantFrame& frame, const Vector& apparentGeocentric, BodyPlace& place) {
    // Parallax: the site is up to 6400 km from the geocentre (a degree for the Moon).
    Vector topocentric = rotate(frame.trueEquator, apparentGeocentric) - frame.observer;
    double ra = 0;
    double decl = 0;
    eraC2s(topocentric.data(), &ra, &decl);
    ra = eraAnp(ra);
    const double hourAngle = frame.siderealTime + frame.longitudeRadians - ra;
    double az = 0;
    double alt = 0;
    eraHd2ae(hourAngle, decl, frame.latitudeRadians, &az, &alt);
    place.Ra = ra * ERFA_DR2D;
    place.Decl = decl * ERFA_DR2D;
    place.Az = az * ERFA_DR2D;
    place.AltAirless = alt * ERFA_DR2D;
    place.Alt = refractedAltitude(place.AltAirless);
}

EclipticAngles eclipticAngles(const Vector& onEcliptic) {
    Vector p = onEcliptic;
    double lon = 0;
    double lat = 0;
    eraC2s(p.data(), &lon, &lat);
    return {eraAnp(lon) * ERFA_DR2D, lat * ERFA_DR2D};
}

}  // namespace zenlith::precise
