#include "new_moon.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "earth_and_moon.h"

namespace zenlith::precise {

namespace {

constexpr double synodicMonth = 29.530588861;

double sinDeg(double degrees) { return std::sin(degrees * ERFA_DD2R); }

// Meeus, Astronomical Algorithms, chapter 49: the new Moon of lunation k
// (0 in January 2000), from the mean lunation and its main periodic terms;
// within a few minutes of the true instant, which is all a seed needs.
double seriesNewMoon(double k) {
    const double T = k / 1236.85;
    const double T2 = T * T;
    const double E = 1 - T * (0.002516 + 0.0000074 * T);
    const double M = 2.5534 + 29.10535670 * k - T2 * (0.0000014 + 0.00000011 * T);
    const double Mp = 201.5643 + 385.81693528 * k + T2 * (0.0107582 + T * (0.00001238 - 0.000000058 * T));
    const double F = 160.7108 + 390.67050284 * k - T2 * (0.0016118 + T * (0.00000227 - 0.000000011 * T));
    const double Om = 124.7746 - 1.56375588 * k + T2 * (0.0020672 + 0.00000215 * T);
    const double mean = 2451550.09766 + synodicMonth * k + T2 * (0.00015437 + T * (-0.000000150 + 0.00000000073 * T));
    const double periodic = -0.40720 * sinDeg(Mp) + 0.17241 * E * sinDeg(M) + 0.01608 * sinDeg(2 * Mp) +
                            0.01039 * sinDeg(2 * F) + 0.00739 * E * sinDeg(Mp - M) - 0.00514 * E * sinDeg(Mp + M) +
                            0.00208 * E * E * sinDeg(2 * M) - 0.00111 * sinDeg(Mp - 2 * F) -
                            0.00057 * sinDeg(Mp + 2 * F) + 0.00056 * E * sinDeg(2 * Mp + M) -
                            0.00042 * sinDeg(3 * Mp) + 0.00042 * E * sinDeg(M + 2 * F) +
                            0.00038 * E * sinDeg(M - 2 * F) - 0.00024 * E * sinDeg(2 * Mp - M) -
                            0.00017 * sinDeg(Om) - 0.00007 * sinDeg(Mp + 2 * M) + 0.00004 * sinDeg(2 * Mp - 2 * F) +
                            0.00004 * sinDeg(3 * M) + 0.00003 * sinDeg(Mp + M - 2 * F) +
                            0.00003 * sinDeg(2 * Mp + 2 * F) - 0.00003 * sinDeg(Mp + M + 2 * F) +
                            0.00003 * sinDeg(Mp - M + 2 * F) - 0.00002 * sinDeg(Mp - M - 2 * F) -
                            0.00002 * sinDeg(3 * Mp + M) + 0.00002 * sinDeg(4 * Mp);
    return mean + periodic;
}

double longitude(const Vector& p) { return std::atan2(p[1], p[0]) * ERFA_DR2D; }

// Rate of change of the longitude of a moving point, degrees per day.
double longitudeRate(const Vector& p, const Vector& v) {
    return (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]) * ERFA_DR2D;
}

// Newton's method on the elongation from a seed a few minutes off. The Moon's
// gain on the Sun runs between 10 and 15.5 degrees a day and changes by at
// most 0.6 degrees a day per day, so after a step of s days the instant is
// within 0.03·s² days: a step under 20 minutes leaves less than a second.
double refineNewMoon(double seed) {
    constexpr double finalStep = 20.0 / 1440;
    constexpr int maxSteps = 8;
    Matrix ecliptic;
    eraEcm06(ERFA_DJ00, seed - ERFA_DJ00, ecliptic);
    double t = seed;
    for (int n = 0; n < maxSteps; ++n) {
        const Elongation e = moonAheadOfSun(t, ecliptic);
        const double step = -e.degrees / e.degreesPerDay;
        t += step;
        if (std::fabs(step) < finalStep) {
            break;
        }
    }
    return t;
}

}  // namespace

Elongation moonAheadOfSun(double terrestrialTime, const Matrix& ecliptic) {
    const EarthAndMoon at = earthAndMoonAt(terrestrialTime);
    const Motion moon = apparentMoon(at);
    const Vector moonOnEcliptic = rotate(ecliptic, moon.position);
    const Vector sunOnEcliptic = rotate(ecliptic, apparentSun(at));
    const double ahead = longitude(moonOnEcliptic) - longitude(sunOnEcliptic);
    const double rate = longitudeRate(moonOnEcliptic, rotate(ecliptic, moon.velocity)) -
                        longitudeRate(sunOnEcliptic, rotate(ecliptic, -1 * at.earth.velocity));
    return {ahead - 360 * std::floor((ahead + 180) / 360), rate};
}

double lastNewMoon(double terrestrialTime) {
    // The lunation whose series instant is the last one at or before the time.
    double k = std::floor((terrestrialTime - 2451550.09766) / synodicMonth);
    while (seriesNewMoon(k) > terrestrialTime) {
        k -= 1;
    }
    while (seriesNewMoon(k + 1) <= terrestrialTime) {
        k += 1;
    }
    // The true instant may fall on the other side of the time than the seed.
    constexpr double seedMargin = 0.05;
    if (seriesNewMoon(k + 1) - terrestrialTime < seedMargin) {
        const double next = refineNewMoon(seriesNewMoon(k + 1));
        if (next <= terrestrialTime) {
            return next;
        }
    }
    const double found = refineNewMoon(seriesNewMoon(k));
    if (found <= terrestrialTime) {
        return found;
    }
    return refineNewMoon(seriesNewMoon(k - 1));
}

}  // namespace zenlith::precise
