#include "precise_sky_model.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "coverage.h"
#include "delta_t.h"
#include "earth_and_moon.h"
#include "instant_frame.h"
#include "new_moon.h"
#include "planet_place.h"
#include "sky_position.h"

namespace zenlith {

namespace {

using namespace precise;

constexpr double earthRadiusMetres = 6378136.6;  // equatorial, IERS 2003

// The Moon's ecliptic place, elongation and lit fraction, all geocentric.
MoonValues moonValuesAt(const InstantFrame& frame, const Vector& moon, const Vector& sun) {
    const EclipticAngles moonAngles = eclipticAngles(rotate(frame.trueEcliptic, moon));
    const EclipticAngles sunAngles = eclipticAngles(rotate(frame.trueEcliptic, sun));
    MoonValues values;
    values.lon = moonAngles.lon;
    values.lat = moonAngles.lat;
    values.elongation = eraAnp((moonAngles.lon - sunAngles.lon) * ERFA_DD2R) * ERFA_DR2D;
    // The phase angle at the Moon, between the Sun and the Earth.
    const Vector sunFromMoon = sun - moon;
    const double cosPhase = -dot(sunFromMoon, moon) / (length(sunFromMoon) * length(moon));
    values.illumination = 100 * (1 + cosPhase) / 2;
    values.distance = length(moon) * ERFA_DAU / earthRadiusMetres;
    values.topocentric = true;  // placeFromSite takes the parallax
    return values;
}

}  // namespace

double PreciseSkyModel::daysSinceNewMoon(double terrestrialTime) {
    // The instant found depends on the lunation alone, so a kept one gives
    // the same figures as a new search.
    const bool stillLatest = newMoonKnown_ && terrestrialTime >= lastNewMoon_ &&
                             terrestrialTime < lastNewMoon_ + shortestLunation;
    if (!stillLatest) {
        lastNewMoon_ = lastNewMoon(terrestrialTime);
        newMoonKnown_ = true;
    }
    return terrestrialTime - lastNewMoon_;
}

void PreciseSkyModel::standAt(const Place& place) {
    place_ = place;
    site_ = siteOf(place);
}

// The years, and what ERFA says of them: its statuses refuse an instant
// rather than let it through as a value. The Moon's age reaches back to the
// last new Moon, at most a lunation earlier, so that must be inside too: the
// first weeks of 1000 are not.
bool PreciseSkyModel::covers(double julianDate) const {
    constexpr double lunationReach = 30;  // days
    if (!precise::covers(julianDate)) return false;
    const DeltaT deltaT = deltaTAt(julianDate);
    const double tt = julianDate + deltaT.seconds / ERFA_DAYSEC;
    return deltaT.known && plan94Status(tt) == 0 && plan94Status(tt - lunationReach) == 0;
}

SkyPlaces PreciseSkyModel::placesAt(double julianDate) {
    const InstantFrame frame = frameAt(julianDate, site_);
    SkyPlaces places;
    const Vector sun = apparentSun(frame.earthAndMoon);
    placeFromSite(frame, sun, places.bodies[sunIndex]);
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        places.bodies[k] = planetPlace(frame, static_cast<BodyIndex>(k));
    }
    const Vector moon = apparentMoon(frame.earthAndMoon).position;
    placeFromSite(frame, moon, places.bodies[moonIndex]);
    places.moon = moonValuesAt(frame, moon, sun);
    places.moon.age = daysSinceNewMoon(frame.terrestrialTime);
    return places;
}

}  // namespace zenlith
