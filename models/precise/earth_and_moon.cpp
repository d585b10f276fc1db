#include "earth_and_moon.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace zenlith::precise {

namespace {

constexpr int earthMoonBarycentre = 3;
// Earth/Moon mass ratio (JPL DE430): the Earth sits this share of the
// Earth–Moon distance from their barycentre.
constexpr double earthMoonMassRatio = 81.30056907;
constexpr double earthShare = 1 / (1 + earthMoonMassRatio);

}  // namespace

int plan94Status(double terrestrialTime) {
    double pv[2][3];
    return eraPlan94(ERFA_DJ00, terrestrialTime - ERFA_DJ00, earthMoonBarycentre, pv);
}

EarthAndMoon earthAndMoonAt(double terrestrialTime) {
    const double sinceJ2000 = terrestrialTime - ERFA_DJ00;
    double barycentre[2][3];
    double moon[2][3];
    if (eraPlan94(ERFA_DJ00, sinceJ2000, earthMoonBarycentre, barycentre) != 0) {
        // Only where the model does not cover the instant: no value, not a wrong one.
        const double unknown = std::nan("");
        return {{{unknown, unknown, unknown}, {unknown, unknown, unknown}}, {}};
    }
    eraMoon98(ERFA_DJ00, sinceJ2000, moon);
    EarthAndMoon at{motionOf(barycentre), motionOf(moon)};
    at.earth.position = at.earth.position - earthShare * at.moon.position;
    at.earth.velocity = at.earth.velocity - earthShare * at.moon.velocity;
    return at;
}

Vector aberrated(const EarthAndMoon& at, const Vector& geometric) {
    Vector velocity = (1 / ERFA_DC) * at.earth.velocity;
    const double bm1 = std::sqrt(1 - dot(velocity, velocity));
    const double distance = length(geometric);
    Vector direction = (1 / distance) * geometric;
    Vector moved;
    eraAb(direction.data(), velocity.data(), length(at.earth.position), bm1, moved.data());
    return distance * moved;
}

Vector apparentSun(const EarthAndMoon& at) { return aberrated(at, -1 * at.earth.position); }

Motion apparentMoon(const EarthAndMoon& at) {
    const double lightTime = length(at.moon.position) / ERFA_DC;
    return {at.moon.position - lightTime * at.moon.velocity, at.moon.velocity};
}

}  // namespace zenlith::precise
