#include "delta_t.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace zenlith::precise {

namespace {

constexpr double ttMinusTai = 32.184;

// Espenak & Meeus, "Five Millennium Canon of Solar Eclipses" (NASA TP-2006-214141),
// for a decimal year y.
double espenakMeeus(double y) {
    if (y < 1600) {
        const double u = (y - 1000) / 100;
        return 1574.2 + u * (-556.01 + u * (71.23472 + u * (0.319781 + u * (-0.8503463 + u * (-0.005050998 + u * 0.0083572073)))));
    }
    if (y < 1700) {
        const double t = y - 1600;
        return 120 + t * (-0.9808 + t * (-0.01532 + t / 7129));
    }
    if (y < 1800) {
        const double t = y - 1700;
        return 8.83 + t * (0.1603 + t * (-0.0059285 + t * (0.00013336 - t / 1174000)));
    }
    if (y < 1860) {
        const double t = y - 1800;
        return 13.72 + t * (-0.332447 + t * (0.0068612 + t * (0.0041116 + t * (-0.00037436 + t * (0.0000121272 + t * (-0.0000001699 + t * 0.000000000875))))));
    }
    if (y < 1900) {
        const double t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y < 1920) {
        const double t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        const double t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        const double t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1.0 / 233 + t / 2547));
    }
    if (y < 1986) {
        const double t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1.0 / 260 - t / 718));
    }
    if (y < 2005) {
        const double t = y - 2000;
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    if (y < 2050) {
        const double t = y - 2000;
        return 62.92 + t * (0.32217 + t * 0.005589);
    }
    const double u = (y - 1820) / 100;
    if (y < 2150) {
        return -20 + 32 * u * u - 0.5628 * (2150 - y);
    }
    return -20 + 32 * u * u;
}

}  // namespace

DeltaT deltaTAt(double julianDateUtc) {
    int year = 0;
    int month = 0;
    int day = 0;
    double fraction = 0;
    if (eraJd2cal(julianDateUtc, 0, &year, &month, &day, &fraction) != 0) {
        return {std::nan(""), false};  // before -4799: no calendar date
    }
    double taiMinusUtc = 0;
    // Status 0 inside the table; 1 ("dubious year") before 1960 and well
    // after ERFA's release, where the polynomials take over; below 0 the
    // date itself is refused.
    const int status = eraDat(year, month, day, fraction, &taiMinusUtc);
    if (status < 0) return {std::nan(""), false};
    if (status == 0) return {taiMinusUtc + ttMinusTai, true};
    return {espenakMeeus(2000 + (julianDateUtc - ERFA_DJ00) / ERFA_DJY), true};
}

double deltaTSeconds(double julianDateUtc) { return deltaTAt(julianDateUtc).seconds; }

double terrestrialTime(double julianDateUtc) {
    return julianDateUtc + deltaTSeconds(julianDateUtc) / ERFA_DAYSEC;
}

}  // namespace zenlith::precise
