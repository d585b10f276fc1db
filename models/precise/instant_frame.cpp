#include "instant_frame.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "delta_t.h"

namespace zenlith::precise {

namespace {

// Turned by the sidereal time about the pole (polar motion, below 0.5″, is left out).
Vector turnedBy(double angle, const Vector& p) {
    const double c = std::cos(angle);
    const double s = std::sin(angle);
    return {c * p[0] - s * p[1], s * p[0] + c * p[1], p[2]};
}

void copyMatrix(const Matrix& from, Matrix& to) { std::copy(&from[0][0], &from[0][0] + 9, &to[0][0]); }

}  // namespace

InstantFrame frameAt(double julianDateUtc, const Site& site) {
    InstantFrame frame;
    const double tt = terrestrialTime(julianDateUtc);
    frame.terrestrialTime = tt;
    frame.earthAndMoon = earthAndMoonAt(tt);

    // IAU 2000B precession–nutation (1 mas). Its nutation serves the
    // equation of the equinoxes too: GMST + EE is eraGst00b without
    // evaluating the nutation series twice.
    double dpsi = 0;
    double deps = 0;
    double epsa = 0;
    Matrix bias;
    Matrix precession;
    Matrix biasPrecession;
    Matrix nutation;
    eraPn00b(ERFA_DJ00, tt - ERFA_DJ00, &dpsi, &deps, &epsa, bias, precession, biasPrecession, nutation,
             frame.trueEquator);
    copyMatrix(biasPrecession, frame.meanEcliptic);
    eraRx(epsa, frame.meanEcliptic);
    copyMatrix(frame.trueEquator, frame.trueEcliptic);
    eraRx(epsa + deps, frame.trueEcliptic);

    frame.siderealTime = eraAnp(eraGmst00(julianDateUtc, 0, ERFA_DJ00, tt - ERFA_DJ00) +
                                eraEe00(ERFA_DJ00, tt - ERFA_DJ00, epsa, dpsi));
    frame.observer = turnedBy(frame.siderealTime, site.onEarth);
    frame.latitudeRadians = site.latitudeRadians;
    frame.longitudeRadians = site.longitudeRadians;
    return frame;
}

}  // namespace zenlith::precise
