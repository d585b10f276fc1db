#include "observer.h"

#include <erfa.h>
#include <erfam.h>

#include "site.h"

namespace zenlith::precise {

Vector observerAt(const InstantFrame& frame, const Place& place) {
    const Vector onEarth = siteOf(place).onEarth;
    // Turned by the sidereal time about the pole (polar motion, below 0.5″, is left out).
    const double c = std::cos(frame.siderealTime);
    const double s = std::sin(frame.siderealTime);
    return Vector{c * onEarth[0] - s * onEarth[1], s * onEarth[0] + c * onEarth[1], onEarth[2]};
}

Vector seenFrom(const InstantFrame& frame, const Place& place, const Vector& apparentGeocentric) {
    return rotate(frame.trueEquator, apparentGeocentric) - observerAt(frame, place);
}

double airlessAltitude(const InstantFrame& frame, const Place& place, const Vector& seen) {
    Vector p = seen;
    double ra = 0;
    double decl = 0;
    eraC2s(p.data(), &ra, &decl);
    const double hourAngle = frame.siderealTime + place.longitudeDegrees * ERFA_DD2R - ra;
    double az = 0;
    double alt = 0;
    eraHd2ae(hourAngle, decl, place.latitudeDegrees * ERFA_DD2R, &az, &alt);
    return alt * ERFA_DR2D;
}

}  // namespace zenlith::precise
