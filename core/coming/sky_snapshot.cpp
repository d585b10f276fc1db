#include "sky_snapshot.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "earth_and_moon.h"
#include "place.h"
#include "planet_place.h"
#include "site.h"

namespace zenlith {

// The vectors' arithmetic.
using precise::operator-;
using precise::operator*;

using precise::Motion;
using precise::Vector;

namespace {

constexpr double degreesPerRadian = 180 / std::numbers::pi;

Vector unit(const Vector& v) { return (1 / precise::length(v)) * v; }

// How a direction turns: the rate of the unit vector along a motion.
Vector directionRate(const Motion& m) {
    const Vector u = unit(m.position);
    return (1 / precise::length(m.position)) * (m.velocity - precise::dot(u, m.velocity) * u);
}

// Every body's apparent geocentric place at a terrestrial time.
std::array<Vector, bodyCount> apparentPlaces(double terrestrialTime) {
    const precise::EarthAndMoon em = precise::earthAndMoonAt(terrestrialTime);
    std::array<Vector, bodyCount> places{};
    places[sunIndex] = precise::apparentSun(em);
    places[moonIndex] = precise::apparentMoon(em).position;
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        const Motion helio = precise::heliocentricPlanet(terrestrialTime, static_cast<BodyIndex>(k));
        places[k] = precise::aberrated(em, precise::emissionOf(helio, em.earth.position).geocentric);
    }
    return places;
}

}  // namespace

SkySnapshot snapshotAt(double julianDate) {
    SkySnapshot sky;
    // Geocentric throughout: the frame's site part is not read here.
    sky.frame = precise::frameAt(julianDate, precise::siteOf(originalSite()));
    // The apparent places' own rates: aberration and light time turn with the
    // Earth's motion, by an arc-second a day, enough to move a shallow
    // extremum by most of an hour. Nine seconds on, the rate stands for the
    // instant four seconds on.
    constexpr double rateStepDays = 1e-4;
    const std::array<Vector, bodyCount> now = apparentPlaces(sky.frame.terrestrialTime);
    const std::array<Vector, bodyCount> later = apparentPlaces(sky.frame.terrestrialTime + rateStepDays);
    for (int k = 0; k < bodyCount; ++k) {
        sky.bodies[k] = {now[k], (1 / rateStepDays) * (later[k] - now[k])};
    }
    sky.fromSun[sunIndex] = sky.frame.earthAndMoon.earth.position;
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        sky.fromSun[k] = precise::heliocentricPlanet(sky.frame.terrestrialTime, static_cast<BodyIndex>(k)).position;
    }
    return sky;
}

double longitudeOf(const SkySnapshot& sky, const Vector& v) {
    const Vector p = precise::rotate(sky.frame.trueEcliptic, v);
    const double lon = std::atan2(p[1], p[0]) * degreesPerRadian;
    return lon < 0 ? lon + 360 : lon;
}

double eclipticLongitude(const SkySnapshot& sky, BodyIndex body) { return longitudeOf(sky, sky.bodies[body].position); }

double aheadOfEarth(const SkySnapshot& sky, BodyIndex planet) {
    return wrappedDegrees(longitudeOf(sky, sky.fromSun[planet]) - longitudeOf(sky, sky.fromSun[sunIndex]));
}

// The ecliptic of date turns by less than a second of arc a day: its own
// motion is left out of the rate.
double longitudeRate(const SkySnapshot& sky, BodyIndex body) {
    const Vector p = precise::rotate(sky.frame.trueEcliptic, sky.bodies[body].position);
    const Vector v = precise::rotate(sky.frame.trueEcliptic, sky.bodies[body].velocity);
    return (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]) * degreesPerRadian;
}

double separation(const SkySnapshot& sky, BodyIndex a, BodyIndex b) {
    const double c = precise::dot(unit(sky.bodies[a].position), unit(sky.bodies[b].position));
    return std::acos(std::clamp(c, -1.0, 1.0)) * degreesPerRadian;
}

double separationTrend(const SkySnapshot& sky, BodyIndex a, BodyIndex b) {
    const Motion& ma = sky.bodies[a];
    const Motion& mb = sky.bodies[b];
    return -(precise::dot(directionRate(ma), unit(mb.position)) + precise::dot(unit(ma.position), directionRate(mb)));
}

double distanceRate(const SkySnapshot& sky, BodyIndex body) {
    const Motion& m = sky.bodies[body];
    return precise::dot(unit(m.position), m.velocity);
}

double wrappedDegrees(double degrees) { return degrees - 360 * std::floor((degrees + 180) / 360); }

const SkySnapshot& SnapshotMemo::at(double julianDate) {
    auto found = snapshots_.find(julianDate);
    if (found == snapshots_.end()) {
        found = snapshots_.emplace(julianDate, snapshotAt(julianDate)).first;
    }
    return found->second;
}

}  // namespace zenlith
