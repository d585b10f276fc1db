// Julian dates from Meeus, Astronomical Algorithms, ch. 7 (J2000.0 is
// 2000 January 1.5 = 2451545.0; 333 January 27.5 Julian = 1842713.0;
// -4712 January 1.5 Julian is JD 0; 1582 October 15 Gregorian = 2299160.5),
// and the classic model's own calendar step, an independent formula for
// the same calendar (Julian before 1 March 1525, Gregorian from then on).
#include <gtest/gtest.h>

#include <limits>

#include "civil_date.h"
#include "engine.h"

namespace zenlith {
namespace {

TEST(CivilDate, JulianDatesOfPublishedDays) {
    struct Case {
        CivilDateTime when;
        double julianDate;
    };
    const Case cases[] = {
        {{2000, 1, 1, 12, 0}, 2451545.0},     {{333, 1, 27, 12, 0}, 1842713.0},
        {{-4712, 1, 1, 12, 0}, 0.0},          {{1582, 10, 15, 0, 0}, 2299160.5},
        {{1500, 3, 1, 0, 0}, 2268992.5},      {{2026, 10, 25, 1, 31, 7}, 2461338.5 + 5467 / 86400.0},
        {{2024, 2, 28, 24, 0}, 2460369.5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(julianDateOf(c.when), c.julianDate) << c.when.year;
    }
    EXPECT_FALSE(isValidCivilDateTime({1900, 2, 29, 0, 0}));
    EXPECT_FALSE(isValidCivilDateTime({1500, 2, 29, 0, 0}));  // the fields' leap rule in every year
    EXPECT_FALSE(isValidCivilDateTime({2000, 2, 29, 24, 0, 1}));
    EXPECT_TRUE(isValidCivilDateTime({2000, 2, 29, 24, 0}));
    EXPECT_EQ(civilDateTimeOf(std::numeric_limits<double>::infinity()), CivilDateTime{});
}

// Every day of 1000 to 3000, walked both ways: named days follow each other
// as Julian days do (the switch of 1525 included), each agrees with the
// classic model's calendar, and every Julian day reads back to itself.
TEST(CivilDate, DaysOf1000To3000RoundTripAndMatchTheClassicCalendar) {
    Engine engine;
    engine.setConstants();
    CivilDateTime day{1000, 1, 1, 0, 0};
    double previous = julianDateOf(day) - 1;
    int unnamedLeapDays = 0;
    for (; day.year <= 3000; day = nextCivilDay(day)) {
        const double julianDate = julianDateOf(day);
        ASSERT_TRUE(isValidCivilDateTime(day));
        if (julianDate - previous == 2) {
            ++unnamedLeapDays;
            EXPECT_EQ(civilDateTimeOf(previous + 1), (CivilDateTime{day.year, 2, 29, 0, 0}));
        } else {
            ASSERT_EQ(julianDate - previous, 1) << day.year << "-" << day.month << "-" << day.day;
        }
        ASSERT_EQ(civilDateTimeOf(julianDate), day);
        CivilInstant entered{static_cast<float>(day.year), static_cast<float>(day.month),
                             static_cast<float>(day.day), 0, 0, false};
        engine.convertCalendar(entered);
        ASSERT_EQ(engine.julianDate + 2 / 24.0, julianDate) << day.year << "-" << day.month << "-" << day.day;
        previous = julianDate;
    }
    EXPECT_EQ(unnamedLeapDays, 5);  // 1000, 1100, 1300, 1400, 1500
    for (double jd = 2086307.5; jd < 2817152.5; jd += 1) {
        ASSERT_EQ(julianDateOf(civilDateTimeOf(jd + 0.75)), jd + 0.75);
    }
}

TEST(CivilDate, TheTenGregorianDaysOf1525NameJulianDays) {
    for (int day = 1; day <= 10; ++day) {
        EXPECT_EQ(julianDateOf({1525, 3, day, 12, 0}), julianDateOf({1525, 2, day + 18, 12, 0}));
        EXPECT_EQ(civilDateTimeOf(julianDateOf({1525, 3, day, 12, 0})), (CivilDateTime{1525, 2, day + 18, 12, 0}));
    }
}

}  // namespace
}  // namespace zenlith
