#include <gtest/gtest.h>

#include <chrono>

#include "engine_at.h"

namespace zenlith {
namespace {

// Numbers of days are checked against the standard calendar below; here the
// texts, the summer zone and the day number in its single-precision cell.
TEST(Calendar, WorkedDates) {
    const Engine march = engineAt(2024, 3, 1, 12, 0);
    EXPECT_EQ(march.DayNumber, 8827.4169921875f);  // JD 2460371 - 2 h - 2451543.5, rounded to a float
    EXPECT_EQ(march.leapText + march.weekdayText + march.dayOfYearText,
              "שנה מעוברת,יום שישי, היום ה- 61 מתחילת השנה");

    const Engine summer = engineAt(2023, 7, 15, 21, 30, true);
    EXPECT_EQ(summer.timeZoneHours, 3);
    EXPECT_NEAR(summer.julianDate, 2460141.2708333, 1e-6);
    EXPECT_EQ(summer.weekdayText, "יום שבת");
    // Midnight names its own day, not the one before.
    EXPECT_EQ(engineAt(1999, 12, 31, 0, 0).weekdayText, "יום שישי");
    EXPECT_EQ(engineAt(2000, 1, 1, 0, 0, true).weekdayText, "יום שבת");
}

TEST(Calendar, JulianCalendarEndsAt1524AndAnHalf) {
    // Local noon minus two hours of zone is 10:00 UT: J is the local date's.
    EXPECT_NEAR(engineAt(1500, 3, 1, 0, 0).julianDate + 2.0 / 24, 2268992.5, 1e-9);
    EXPECT_NEAR(engineAt(1582, 10, 15, 0, 0).julianDate + 2.0 / 24, 2299160.5, 1e-9);
    // 1525 already counts with the Gregorian correction: ten days later than
    // the Julian reading would be.
    const double march1525 = engineAt(1525, 3, 1, 0, 0).julianDate;
    const double march1524 = engineAt(1524, 3, 1, 0, 0).julianDate;
    EXPECT_NEAR(march1525 - march1524, 365 - 10, 1e-9);
}

TEST(Calendar, LeapYearsFollowTheGregorianRule) {
    using std::chrono::year;
    for (int y = -9998; y <= 9998; ++y) {
        ASSERT_EQ(Engine::isLeapYear(static_cast<float>(y)), year(y).is_leap()) << y;
    }
}

// Weekday, day of the year and Julian date against the standard library's
// proleptic Gregorian calendar, for every day from 1600 to 2400 at midnight
// and at noon: midnight is where rounding used to name the previous day.
TEST(Calendar, AgreesWithTheStandardCalendar) {
    using namespace std::chrono;
    const sys_days first = year(1600) / January / 1;
    const sys_days last = year(2400) / December / 31;
    for (sys_days day = first; day <= last; day += days(1)) {
        const year_month_day date(day);
        const int y = static_cast<int>(date.year());
        const auto m = static_cast<unsigned>(date.month());
        const auto d = static_cast<unsigned>(date.day());
        const auto weekday = std::chrono::weekday(day).c_encoding();  // 0 = Sunday
        const int ordinal = (day - sys_days(date.year() / January / 1)).count() + 1;
        const double julianMidnight = day.time_since_epoch().count() + 2440587.5;
        for (const int hour : {0, 12}) {
            const Engine engine = engineAt(static_cast<float>(y), static_cast<float>(m), static_cast<float>(d),
                                            static_cast<float>(hour), 0);
            ASSERT_EQ(engine.weekdayIndex, static_cast<float>(weekday)) << y << "-" << m << "-" << d << " " << hour;
            ASSERT_EQ(engine.dayOfYear, ordinal) << y << "-" << m << "-" << d;
            ASSERT_NEAR(engine.julianDate, julianMidnight + (hour - 2) / 24.0, 1e-6) << y << "-" << m << "-" << d;
        }
    }
}

TEST(Calendar, ReportsValuesThatDoNotFitSixteenBits) {
    Engine engine;
    engine.setConstants();
    CivilInstant hugeDay{2000, 5, 40000, 0, 0, false};
    EXPECT_EQ(engine.convertCalendar(hugeDay), CalendarOverflow::dayOfYear);
    CivilInstant hugeYear{5e6f, 5, 1, 0, 0, false};
    EXPECT_EQ(engine.convertCalendar(hugeYear), CalendarOverflow::century);
    CivilInstant farButFits{3e6f, 5, 1, 0, 0, false};
    EXPECT_EQ(engine.convertCalendar(farButFits), CalendarOverflow::none);
}

}  // namespace
}  // namespace zenlith
