#include "magnitude.h"

#include <cmath>
#include <numbers>

namespace zenlith::precise {

namespace {

double mercury(double a) {
    return -0.613 + a * (6.3280e-02 + a * (-1.6336e-03 + a * (3.3644e-05 + a * (-3.4265e-07 + a * (1.6893e-09 + a * -3.0334e-12)))));
}

double venus(double a) {
    if (a <= 163.7) {
        return -4.384 + a * (-1.044e-03 + a * (3.687e-04 + a * (-2.814e-06 + a * 8.938e-09)));
    }
    return 236.05828 + a * (-2.81914 + a * 8.39034e-03);
}

// Seen from the Earth, Mars's phase angle stays below 48° and Jupiter's below
// 12°: the fits for those ranges are all that is needed.
double mars(double a) { return -1.601 + a * (2.267e-02 - a * 1.302e-04); }

double jupiter(double a) { return -9.395 + a * (-3.7e-04 + a * 6.16e-04); }

// Globe and rings together, as the eye sees Saturn; the fit holds for the
// phase angles (up to 6.5°) and tilts (up to 27°) seen from the Earth.
double saturn(double a, double tilt) {
    const double s = std::sin(tilt * std::numbers::pi / 180);
    return -8.914 - 1.825 * s + 0.026 * a - 0.378 * s * std::exp(-2.25 * a);
}

double uranus(double a, double latitude) {
    double m = -7.110 - 8.4e-04 * latitude;
    if (a > 3.1) {
        m += a * (6.587e-03 + a * 1.045e-04);
    }
    return m;
}

double neptune(double a, double year) {
    double m = year >= 2000 ? -7.00 : year <= 1980 ? -6.89 : -6.89 - 0.0054 * (year - 1980);
    if (a > 1.9) {
        m += a * (7.944e-03 + a * 9.617e-05);
    }
    return m;
}

double atUnitDistances(BodyIndex planet, const MagnitudeGeometry& g) {
    const double a = g.phaseAngle;
    switch (planet) {
        case mercuryIndex: return mercury(a);
        case venusIndex: return venus(a);
        case marsIndex: return mars(a);
        case jupiterIndex: return jupiter(a);
        case saturnIndex: return saturn(a, g.tilt);
        case uranusIndex: return uranus(a, g.tilt);
        default: return neptune(a, g.year);
    }
}

}  // namespace

double visualMagnitude(BodyIndex planet, const MagnitudeGeometry& g) {
    return 5 * std::log10(g.sunDistance * g.earthDistance) + atUnitDistances(planet, g);
}

}  // namespace zenlith::precise
