// The Sun, the obliquity of the ecliptic and the local sidereal time. The
// mean-element model keeps its own quirks on purpose (L = e + M, the Sun's
// vector from the longitude before the equation of the centre): the rest of
// the program and its figures are built on them.
#include <cmath>

#include "engine.h"
#include "quotient_angle.h"

namespace zenlith {

namespace {

double centuriesSince2000(double julianDate) { return (julianDate - 2451545) / 36525; }

}  // namespace

void Engine::computeSun() {
    const double d = DayNumber;
    BodyResult& sun = bodyResult[sunIndex];

    obliquity = 23.4393 - 3.563 * std::pow(10.0, -7) * d;

    double w = 282.9404 + 4.70935 * std::pow(10.0, -5) * d;
    const double e = 0.016709 - 1.151 * std::pow(10.0, -9) * d;
    double M = 356.047 + 0.9856002585 * d;
    sun.Peri = w;
    sun.Ecc = e;

    double L = e + M;
    L = 360 * (L / 360 - std::floor(L / 360));
    sun.TrueAnom = L;

    sunLon = w + L;
    Test(sunLon);
    Test(M);
    sun.MeanAnom = M;

    const double mRad = radians(M);
    sunEccAnomaly = M + e * (180 / pi) * std::sin(mRad) * (1 + e * std::cos(mRad));
    const double xv = std::cos(radians(sunEccAnomaly)) - e;
    const double yv = std::sqrt(1 - e * e) * std::sin(radians(sunEccAnomaly));
    sunDistance = std::sqrt(xv * xv + yv * yv);

    sunX = sunDistance * std::cos(radians(sunLon));
    sunY = sunDistance * std::sin(radians(sunLon));

    const double T = centuriesSince2000(julianDate);
    sunLon = ((sunLon + (1.9146 - 0.004817 * T - 0.000014 * T * T) * std::sin(mRad)) +
              (0.019993 - 0.000101 * T) * std::sin(radians(2 * M))) +
             0.00029 * std::sin(radians(3 * M));

    const double s = std::sin(pi * sunLon / 180) * std::sin(pi * obliquity / 180);
    sun.Decl = radToDeg * arctanOfQuotient(s, std::sqrt(1 - s * s));

    const double cosLon = std::cos(radians(sunLon));
    double alpha = radToDeg * std::atan(std::cos(radians(obliquity)) * std::sin(radians(sunLon)) / cosLon);
    if (alpha < 0) {
        alpha += 360;
    }
    if (alpha < 90 && std::tan(radians(alpha)) > 0 && cosLon < 0) {
        alpha += 180;
    }
    if (alpha > 270 && alpha < 360 && std::tan(radians(alpha)) < 0 && cosLon < 0) {
        alpha -= 180;
    }
    sun.Ra = alpha;

    const double theta = 280.46061837 + 360.98564736629 * (julianDate - 2451545) + 0.000387933 * T * T -
                         std::pow(T, 3) / 38710000;
    greenwichSiderealTime = 360 * (theta / 360 - std::floor(theta / 360));
    siderealTime = greenwichSiderealTime - siteLongitude;

    placeOnHorizon(sun);
}

}  // namespace zenlith
