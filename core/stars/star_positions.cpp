#include "star_positions.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>
#include <cmath>

#include "delta_t.h"
#include "refraction.h"
#include "star_catalogue.h"

namespace zenlith::stars {

namespace {

double matrixRow(const double row[3], double x, double y, double z) { return row[0] * x + row[1] * y + row[2] * z; }

}  // namespace

void StarPositions::keepPlacesOfDate(double terrestrialDay) {
    // Within half a day the places move by less than 0.3″ (aberration turns
    // with the Earth's motion by 0.4″ a day; nutation's fastest term is 0.2″
    // over 14 days), far below what a chart or a table at 0.01° shows.
    double earthHelio[2][3];
    double earthBary[2][3];
    eraEpv00(terrestrialDay, 0, earthHelio, earthBary);
    double velocity[3];  // in units of the speed of light
    for (int n = 0; n < 3; ++n) velocity[n] = earthBary[1][n] * ERFA_AULT / ERFA_DAYSEC;
    const double sunDistance = eraPm(earthHelio[0]);
    const double lorentz = std::sqrt(1 - eraPdp(velocity, velocity));
    double npb[3][3];
    eraPnm00b(terrestrialDay, 0, npb);

    const auto catalogue = catalogueStars();
    ofDate_.resize(catalogue.size());
    for (std::size_t i = 0; i < catalogue.size(); ++i) {
        double mean[3];
        eraS2c(catalogue[i].raHours * 15 * ERFA_DD2R, catalogue[i].decDegrees * ERFA_DD2R, mean);
        double aberrated[3];
        eraAb(mean, velocity, sunDistance, lorentz, aberrated);
        double p[3];
        eraRxp(npb, aberrated, p);
        ofDate_[i] = {p[0], p[1], p[2]};
    }
    dayOfPlaces_ = terrestrialDay;
}

void StarPositions::moveTo(double julianDateUt, const Place& place) {
    const double tt = precise::terrestrialTime(julianDateUt);
    const double day = std::floor(tt + 0.5) - 0.5;
    if (dayOfPlaces_ != day) keepPlacesOfDate(day);

    // The place's north, east and zenith on the true equator of date.
    const double localSidereal = eraGst00b(julianDateUt, 0) + place.longitudeDegrees * ERFA_DD2R;
    const double latitude = place.latitudeDegrees * ERFA_DD2R;
    const double cl = std::cos(localSidereal), sl = std::sin(localSidereal);
    const double cp = std::cos(latitude), sp = std::sin(latitude);
    const double north[3] = {-sp * cl, -sp * sl, cp};
    const double east[3] = {-sl, cl, 0};
    const double zenith[3] = {cp * cl, cp * sl, sp};

    horizontal_.resize(ofDate_.size());
    for (std::size_t i = 0; i < ofDate_.size(); ++i) {
        const Direction& d = ofDate_[i];
        const double up = std::clamp(matrixRow(zenith, d.x, d.y, d.z), -1.0, 1.0);
        double azimuth = std::atan2(matrixRow(east, d.x, d.y, d.z), matrixRow(north, d.x, d.y, d.z)) * ERFA_DR2D;
        if (azimuth < 0) azimuth += 360;
        const double airless = std::asin(up) * ERFA_DR2D;
        horizontal_[i] = {static_cast<float>(azimuth), static_cast<float>(precise::refractedAltitude(airless))};
    }
}

EquatorialPlace StarPositions::apparent(std::size_t catalogueIndex) const {
    const Direction& d = ofDate_[catalogueIndex];
    double p[3] = {d.x, d.y, d.z};
    double ra = 0;
    double decl = 0;
    eraC2s(p, &ra, &decl);
    return {eraAnp(ra) * ERFA_DR2D, decl * ERFA_DR2D};
}

}  // namespace zenlith::stars
