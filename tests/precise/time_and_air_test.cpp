// Terrestrial time and refraction against values published independently.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "coverage.h"
#include "delta_t.h"
#include "refraction.h"

namespace zenlith::precise {
namespace {

// Julian date of a Gregorian date at 0h UT (Meeus 7.1), written here so that
// the test does not lean on the calendar code it checks against.
double julianDate(int year, int month, int day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const int a = year / 100;
    return std::floor(365.25 * (year + 4716)) + std::floor(30.6001 * (month + 1)) + day + 2 - a + a / 4 - 1524.5;
}

TEST(TerrestrialTime, DeltaTFromTheLeapSecondsAndFromHistory) {
    // TAI − UTC from the IERS leap-second table, plus 32.184 s.
    EXPECT_DOUBLE_EQ(deltaTSeconds(julianDate(1992, 4, 12)), 26 + 32.184);
    EXPECT_DOUBLE_EQ(deltaTSeconds(julianDate(2017, 1, 1)), 37 + 32.184);
    // Morrison & Stephenson's and the Astronomical Almanac's historical ΔT
    // (seconds): 1000: 1570, 1700: 9, 1800: 14, 1900: −3, 1950: 29.
    EXPECT_NEAR(deltaTSeconds(julianDate(1000, 7, 1)), 1570, 20);
    EXPECT_NEAR(deltaTSeconds(julianDate(1700, 7, 1)), 9, 1);
    EXPECT_NEAR(deltaTSeconds(julianDate(1800, 7, 1)), 14, 1);
    EXPECT_NEAR(deltaTSeconds(julianDate(1900, 7, 1)), -3, 1);
    EXPECT_NEAR(deltaTSeconds(julianDate(1950, 7, 1)), 29, 1);
    // No jump of more than a few seconds across the whole range.
    for (double jd = firstJulianDate; jd < endJulianDate; jd += 1) {
        ASSERT_LT(std::fabs(deltaTSeconds(jd + 1) - deltaTSeconds(jd)), 7) << jd;
    }
}

// Bennett's formula (Meeus 16.3) goes from the apparent altitude back to the
// true one; Sæmundsson's goes forward. Meeus gives their agreement as 4″.
double bennettRefractionDegrees(double apparent) {
    return 1 / std::tan((apparent + 7.31 / (apparent + 4.4)) * std::numbers::pi / 180) / 60;
}

TEST(Refraction, AgreesWithBennettAndFadesOutBelowTheHorizon) {
    for (double trueAltitude = 0; trueAltitude <= 90; trueAltitude += 0.1) {
        const double apparent = refractedAltitude(trueAltitude);
        EXPECT_NEAR(apparent - bennettRefractionDegrees(apparent), trueAltitude, 5.0 / 3600) << trueAltitude;
    }
    // About 34′ at the apparent horizon, the figure behind −0°50′ for sunrise.
    EXPECT_NEAR(refractedAltitude(-34.5 / 60), 0, 1.0 / 60);
    // Continuous and increasing through the fade, untouched below it.
    double last = refractedAltitude(-3);
    for (double h = -3; h <= 1; h += 0.001) {
        const double now = refractedAltitude(h);
        ASSERT_GE(now, last) << h;
        ASSERT_LT(now - last, 0.02) << h;
        last = now;
    }
    EXPECT_EQ(refractedAltitude(-2.5), -2.5);
    EXPECT_EQ(refractedAltitude(-5.11), -5.11);
}

}  // namespace
}  // namespace zenlith::precise
