#include "planet_place.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "magnitude.h"
#include "sky_position.h"

namespace zenlith::precise {

namespace {

// Equatorial radii, km (IAU WGCCRE 2015); Venus to the top of its clouds.
constexpr std::array<double, bodyCount> radiusKm = {0, 2440.53, 6051.8, 3396.19, 71492, 60268, 25559, 24764, 0};

struct Pole {
    double ra0, raRate, decl0, declRate;  // degrees, and degrees per Julian century from J2000
};
constexpr Pole saturnPole{40.589, -0.036, 83.537, -0.004};
constexpr Pole uranusPole{257.311, 0, -15.175, 0};

Vector poleAt(const Pole& pole, double centuries) {
    Vector p;
    eraS2c((pole.ra0 + pole.raRate * centuries) * ERFA_DD2R, (pole.decl0 + pole.declRate * centuries) * ERFA_DD2R,
           p.data());
    return p;
}

// Latitude of a direction seen from the planet, against its equator, degrees.
double latitudeOf(const Vector& pole, const Vector& fromPlanet) {
    return std::asin(dot(pole, fromPlanet) / length(fromPlanet)) * ERFA_DR2D;
}

double angleBetween(const Vector& a, const Vector& b) {
    return std::acos(std::clamp(dot(a, b) / (length(a) * length(b)), -1.0, 1.0)) * ERFA_DR2D;
}

double tiltFor(BodyIndex planet, const Emission& at, double centuries) {
    const Vector earthFromPlanet = -1 * at.geocentric;
    if (planet == saturnIndex) {
        return std::fabs(latitudeOf(poleAt(saturnPole, centuries), earthFromPlanet));
    }
    if (planet == uranusIndex) {
        const Vector pole = poleAt(uranusPole, centuries);
        return (std::fabs(latitudeOf(pole, earthFromPlanet)) + std::fabs(latitudeOf(pole, -1 * at.heliocentric))) / 2;
    }
    return 0;
}

Vector unknownVector() {
    const double unknown = std::nan("");
    return {unknown, unknown, unknown};
}

BodyPlace unknownPlace() {
    const double unknown = std::nan("");
    return {unknown, unknown, unknown, unknown, unknown, unknown, unknown, unknown, unknown, unknown, unknown};
}

}  // namespace

Motion heliocentricPlanet(double terrestrialTime, BodyIndex planet) {
    double pv[2][3];
    // eraPlan94 counts the Earth–Moon barycentre third, between Venus and Mars.
    const int plan94Number = planet < marsIndex ? planet : planet + 1;
    // Its only status for a valid planet is the one the frame already
    // carries: outside its years the motion is unknown.
    if (eraPlan94(ERFA_DJ00, terrestrialTime - ERFA_DJ00, plan94Number, pv) != 0) {
        return {unknownVector(), unknownVector()};
    }
    return motionOf(pv);
}

// Over the minutes or hours of light time the path is straight to well
// below 0.1″, so eraPlan94's position and velocity serve the iteration.
Emission emissionOf(const Motion& planet, const Vector& earth) {
    Emission at{planet.position, planet.position - earth};
    for (int n = 0; n < 3; ++n) {
        const double lightTime = length(at.geocentric) / ERFA_DC;
        at.heliocentric = planet.position - lightTime * planet.velocity;
        at.geocentric = at.heliocentric - earth;
    }
    return at;
}

BodyPlace planetPlace(const InstantFrame& frame, BodyIndex planet) {
    const Motion now = heliocentricPlanet(frame.terrestrialTime, planet);
    if (std::isnan(now.position[0])) {
        return unknownPlace();
    }
    const Emission at = emissionOf(now, frame.earthAndMoon.earth.position);

    BodyPlace place;
    placeFromSite(frame, aberrated(frame.earthAndMoon, at.geocentric), place);
    const double r = length(at.heliocentric);
    const double delta = length(at.geocentric);
    const double phaseAngle = angleBetween(at.heliocentric, at.geocentric);
    place.Rearth = delta;
    place.Phase = 100 * (1 + std::cos(phaseAngle * ERFA_DD2R)) / 2;
    place.AngularDiameter = 2 * std::atan(radiusKm[planet] * 1000 / (delta * ERFA_DAU)) * ERFA_DR2AS;
    const double centuries = (frame.terrestrialTime - ERFA_DJ00) / ERFA_DJC;
    place.Mag = visualMagnitude(planet, {r, delta, phaseAngle, tiltFor(planet, at, centuries), 2000 + 100 * centuries});
    const EclipticAngles helio = eclipticAngles(rotate(frame.meanEcliptic, now.position));
    place.Lon = helio.lon;
    place.Lat = helio.lat;
    return place;
}

}  // namespace zenlith::precise
