#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "engine_at.h"

namespace zenlith {
namespace {

// Within one unit of the last digit written in the expected figure.
void expectDigits(double actual, const std::string& expected, const char* what) {
    const std::size_t point = expected.find('.');
    const int decimals = point == std::string::npos ? 0 : static_cast<int>(expected.size() - point - 1);
    EXPECT_NEAR(actual, std::stod(expected), std::pow(10.0, -decimals)) << what;
}

TEST(Sun, FirstOfJanuary2000AtTwoInTheMorning) {
    const Engine e = skyAt(2000, 1, 1, 2, 0);
    const BodyResult& sun = e.bodyResult[sunIndex];
    expectDigits(e.obliquity, "23.4392996", "obliquity");
    expectDigits(sun.Peri, "282.940447", "w");
    expectDigits(sun.Ecc, "0.0167089988", "e");
    expectDigits(sun.MeanAnom, "357.032600", "M");
    expectDigits(sun.TrueAnom, "357.049309", "L");
    expectDigits(e.sunEccAnomaly, "356.982213", "E");
    expectDigits(e.sunDistance, "0.983314173", "r");
    expectDigits(e.sunX, "0.170577580", "sunX");
    expectDigits(e.sunY, "-0.968405933", "sunY");
    // The vector comes from the longitude before the equation of the centre.
    expectDigits(std::atan2(e.sunY, e.sunX) * 180 / M_PI + 360, "279.989756", "longitude of the vector");
    expectDigits(e.sunLon, "279.888530", "corrected longitude");
    expectDigits(sun.Decl, "-23.0707696", "Decl");
    expectDigits(sun.Ra, "280.757972", "Ra");
    expectDigits(e.greenwichSiderealTime, "99.9677947", "GMST");
    expectDigits(e.siderealTime, "134.9677947", "LST");
}

TEST(Sun, RightAscensionAgreesWithTheLongitudeOverAYear) {
    // Right ascension and declination from the corrected longitude by the
    // textbook rotation, independent of the quadrant rules.
    for (int day = 1; day <= 365; day += 3) {
        const Engine e = skyAt(2023, 1, static_cast<float>(day), 12, 0);
        const double lon = e.sunLon * M_PI / 180;
        const double eps = e.obliquity * M_PI / 180;
        double ra = std::atan2(std::cos(eps) * std::sin(lon), std::cos(lon)) * 180 / M_PI;
        ra = ra < 0 ? ra + 360 : ra;
        const double decl = std::asin(std::sin(eps) * std::sin(lon)) * 180 / M_PI;
        EXPECT_NEAR(e.bodyResult[sunIndex].Ra, ra, 1e-6) << day;
        EXPECT_NEAR(e.bodyResult[sunIndex].Decl, decl, 1e-6) << day;
    }
}

}  // namespace
}  // namespace zenlith
