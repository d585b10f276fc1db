// Apparent places and horizon places of bright stars against Astronomy Engine
// (npm astronomy-engine 2.1.19, data/star_places.tsv made by
// tools/reference/star_places_reference.js): within 1′ at three places and
// three instants decades apart, so that precession, nutation, aberration and
// the Earth's rotation are all exercised.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>

#include "star_catalogue.h"
#include "star_positions.h"

namespace zenlith::stars {
namespace {

constexpr double arcMinute = 1 / 60.0;

double angleBetween(double a, double b) { return std::abs(std::remainder(a - b, 360.0)); }

TEST(StarPlaces, AgreeWithAstronomyEngineWithinAnArcMinute) {
    std::ifstream file(ZENLITH_STAR_PLACES);
    ASSERT_TRUE(file) << ZENLITH_STAR_PLACES;
    StarPositions positions;
    int rows = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.starts_with('#')) continue;
        std::istringstream in(line);
        int hr = 0;
        double jd = 0, ra = 0, decl = 0, az = 0, airless = 0, refracted = 0;
        Place place;
        in >> hr >> jd >> place.latitudeDegrees >> place.longitudeDegrees >> place.heightMetres >> ra >> decl >> az >>
            airless >> refracted;
        ASSERT_TRUE(in) << line;
        const auto index = catalogueIndexOf(hr);
        ASSERT_TRUE(index) << hr;
        positions.moveTo(jd, place);
        const EquatorialPlace apparent = positions.apparent(*index);
        EXPECT_LT(angleBetween(apparent.raDegrees, ra) * std::cos(decl * M_PI / 180), arcMinute) << line;
        EXPECT_NEAR(apparent.declDegrees, decl, arcMinute) << line;
        const HorizontalPlace seen = positions.horizontal()[*index];
        // Near the pole and the zenith azimuth is ill-defined; compare the arc.
        EXPECT_LT(angleBetween(seen.azimuthDegrees, az) * std::cos(airless * M_PI / 180), arcMinute) << line;
        // Below the horizon the two libraries fade refraction out differently.
        if (airless > 0) {
            EXPECT_NEAR(seen.altitudeDegrees, refracted, arcMinute) << line;
        } else if (airless < -3) {
            EXPECT_NEAR(seen.altitudeDegrees, airless, arcMinute) << line;
        }
        ++rows;
    }
    EXPECT_EQ(rows, 108);
}

}  // namespace
}  // namespace zenlith::stars
