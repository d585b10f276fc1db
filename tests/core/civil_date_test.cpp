// Julian dates from Meeus, Astronomical Algorithms, ch. 7: J2000.0 is
// 2000 January 1.5 (2451545.0); the Gregorian reform day 1582 October 15 is
// 2299160.5; JD 0 is noon of 24 November -4713 in the proleptic Gregorian
// calendar.
#include <gtest/gtest.h>

#include <limits>

#include "civil_date.h"

namespace zenlith {
namespace {

TEST(CivilDate, JulianDatesOfKnownDaysAndTheWayBack) {
    EXPECT_EQ(julianDateOf({2000, 1, 1, 12, 0}), 2451545.0);
    EXPECT_EQ(julianDateOf({1582, 10, 15, 0, 0}), 2299160.5);
    EXPECT_EQ(julianDateOf({-4713, 11, 24, 12, 0}), 0.0);
    EXPECT_EQ(julianDateOf({2024, 2, 28, 24, 0}), julianDateOf({2024, 2, 29, 0, 0}));
    for (const CivilDateTime when : {CivilDateTime{2024, 2, 29, 23, 59}, CivilDateTime{-9998, 3, 1, 0, 0},
                                     CivilDateTime{9998, 12, 31, 23, 59}, CivilDateTime{0, 2, 29, 6, 7}}) {
        EXPECT_EQ(civilDateTimeOf(julianDateOf(when)), when) << when.year;
    }
    EXPECT_FALSE(isValidCivilDateTime({1900, 2, 29, 0, 0}));
    EXPECT_TRUE(isValidCivilDateTime({2000, 2, 29, 24, 0}));
    EXPECT_FALSE(isValidCivilDateTime({2000, 4, 31, 0, 0}));
    EXPECT_EQ(civilDateTimeOf(std::numeric_limits<double>::infinity()), CivilDateTime{});
}

}  // namespace
}  // namespace zenlith
