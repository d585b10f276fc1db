#include "star_events.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "horizon.h"
#include "time_search.h"

namespace zenlith::sky_map {

namespace {

constexpr double sampleStep = 1.0 / 24;    // a star near the horizon crosses it once in an hour at most
constexpr double tolerance = 1.0 / 86400;  // one second

struct StarAt {
    double hourAngle;   // radians
    double azimuth;     // degrees
    double altitude;    // degrees, without refraction
};

StarAt starAt(const stars::EquatorialPlace& apparent, const Place& place, double julianDate) {
    const double hourAngle = eraGst00b(julianDate, 0) + (place.longitudeDegrees - apparent.raDegrees) * ERFA_DD2R;
    double az = 0, alt = 0;
    eraHd2ae(hourAngle, apparent.declDegrees * ERFA_DD2R, place.latitudeDegrees * ERFA_DD2R, &az, &alt);
    return {hourAngle, az * ERFA_DR2D, alt * ERFA_DR2D};
}

std::optional<HorizonEvent> first(const std::vector<Zero>& zeros, Crossing crossing,
                                  const stars::EquatorialPlace& apparent, const Place& place) {
    for (const Zero& zero : zeros) {
        if (zero.crossing != crossing) continue;
        const StarAt at = starAt(apparent, place, zero.julianDate);
        return HorizonEvent{zero.julianDate, at.azimuth, at.altitude};
    }
    return std::nullopt;
}

}  // namespace

BodyEvents starEvents(const stars::EquatorialPlace& apparent, const Place& place, const DaySpan& day) {
    const SearchSpan span{day.start, day.end, sampleStep, tolerance};
    const TimeFunction aboveHorizon = [&](double t) {
        return starAt(apparent, place, t).altitude - planetRiseAltitude;
    };
    // The sine of the hour angle rises through zero at the upper
    // culmination, wherever on the meridian that is.
    const TimeFunction pastMeridian = [&](double t) { return std::sin(starAt(apparent, place, t).hourAngle); };
    const std::vector<Zero> horizon = findZeros(aboveHorizon, span);
    BodyEvents events;
    events.rise = first(horizon, Crossing::upward, apparent, place);
    events.set = first(horizon, Crossing::downward, apparent, place);
    events.transit = first(findZeros(pastMeridian, span, Crossing::upward), Crossing::upward, apparent, place);
    return events;
}

}  // namespace zenlith::sky_map
