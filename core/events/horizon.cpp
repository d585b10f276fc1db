#include "horizon.h"

#include <cmath>
#include <numbers>

namespace zenlith {

namespace {

constexpr double meanMoonDistance = 60.2666;  // Earth radii
constexpr double moonToEarthRadius = 0.2725;
constexpr double degrees = 180 / std::numbers::pi;

}  // namespace

double horizonDip(double heightMetres) {
    constexpr double arcMinutesPerRootMetre = 1.76;
    return heightMetres > 0 ? arcMinutesPerRootMetre * std::sqrt(heightMetres) / 60 : 0;
}

double moonParallax(const MoonValues& moon) {
    const double distance = moon.distance > 1 ? moon.distance : meanMoonDistance;
    return std::asin(1 / distance) * degrees;
}

double riseAltitude(int body, const SkyPlaces& places) {
    if (body == sunIndex) {
        return sunRiseAltitude;
    }
    if (body != moonIndex) {
        return planetRiseAltitude;
    }
    const double parallax = moonParallax(places.moon);
    const double semiDiameter = std::asin(moonToEarthRadius * std::sin(parallax / degrees)) * degrees;
    return (places.moon.topocentric ? 0 : parallax) - semiDiameter - standardRefraction;
}

double aboveRiseAltitude(int body, const SkyPlaces& places) {
    return places.bodies[body].AltAirless - riseAltitude(body, places);
}

}  // namespace zenlith
