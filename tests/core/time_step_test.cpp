// Steps through the calendar, checked against calendar facts: month lengths,
// the Gregorian leap rule (2000 and 2400 leap, 1900 and 2100 not), the
// Julian calendar before 1 March 1525 (5 BC and 1500 leap in it), the turn
// of a year, and the ends of the years the fields take. On a clock without
// summer time, elapsed and wall-clock time agree.
#include <gtest/gtest.h>

#include "time_step.h"

namespace zenlith {
namespace {

TEST(TimeStep, CarriesThroughTheCalendar) {
    const struct {
        CivilDateTime from;
        StepUnit unit;
        int count;
        CivilDateTime to;
    } cases[] = {
        {{2024, 6, 21, 23, 30}, StepUnit::hour, 1, {2024, 6, 22, 0, 30}},
        {{2024, 12, 31, 23, 59}, StepUnit::minute, 1, {2025, 1, 1, 0, 0}},
        {{2025, 1, 1, 0, 0}, StepUnit::minute, -1, {2024, 12, 31, 23, 59}},
        {{2023, 2, 28, 12, 0}, StepUnit::day, 1, {2023, 3, 1, 12, 0}},
        {{1900, 2, 28, 12, 0}, StepUnit::day, 1, {1900, 3, 1, 12, 0}},
        {{2000, 2, 28, 12, 0}, StepUnit::day, 1, {2000, 2, 29, 12, 0}},
        {{2024, 1, 31, 8, 15}, StepUnit::month, 1, {2024, 2, 29, 8, 15}},
        {{2023, 1, 31, 8, 15}, StepUnit::month, 1, {2023, 2, 28, 8, 15}},
        {{2024, 3, 31, 8, 15}, StepUnit::month, -1, {2024, 2, 29, 8, 15}},
        {{2024, 5, 31, 8, 15}, StepUnit::month, 1, {2024, 6, 30, 8, 15}},
        {{2024, 12, 15, 8, 15}, StepUnit::month, 1, {2025, 1, 15, 8, 15}},
        {{2024, 1, 15, 8, 15}, StepUnit::month, -1, {2023, 12, 15, 8, 15}},
        {{2024, 2, 29, 8, 15}, StepUnit::year, 1, {2025, 2, 28, 8, 15}},
        {{2096, 2, 29, 8, 15}, StepUnit::year, 4, {2100, 2, 28, 8, 15}},
        {{2396, 2, 29, 8, 15}, StepUnit::year, 4, {2400, 2, 29, 8, 15}},
        {{2024, 3, 28, 24, 0}, StepUnit::hour, 1, {2024, 3, 29, 1, 0}},  // 24:00 is the next day's 00:00
        {{-5, 3, 1, 0, 0}, StepUnit::day, -1, {-5, 2, 28, 0, 0}},
        {{-4, 3, 1, 0, 0}, StepUnit::day, -1, {-4, 2, 29, 0, 0}},       // 5 BC, a leap year
        {{-5, 1, 31, 6, 0}, StepUnit::month, -1, {-6, 12, 31, 6, 0}},
        {{-5, 3, 31, 6, 0}, StepUnit::month, -1, {-5, 2, 28, 6, 0}},
        {{-5, 12, 31, 6, 0}, StepUnit::month, 2, {-4, 2, 29, 6, 0}},
        {{-1, 11, 15, 6, 0}, StepUnit::month, -23, {-3, 12, 15, 6, 0}},
        {{-4, 2, 29, 6, 0}, StepUnit::year, -1, {-5, 2, 28, 6, 0}},
        {{-9, 7, 4, 6, 0}, StepUnit::year, 3, {-6, 7, 4, 6, 0}},
        {{9998, 12, 31, 23, 58}, StepUnit::minute, 1, {9998, 12, 31, 23, 59}},
        // The switch of 1525: the day after Julian 28 February is Gregorian 11 March.
        {{1525, 2, 28, 9, 0}, StepUnit::day, 1, {1525, 3, 11, 9, 0}},
        {{1525, 3, 11, 9, 0}, StepUnit::day, -1, {1525, 2, 28, 9, 0}},
        {{1525, 2, 28, 23, 30}, StepUnit::hour, 1, {1525, 3, 11, 0, 30}},
        {{1525, 3, 5, 9, 0}, StepUnit::day, 1, {1525, 2, 24, 9, 0}},  // 5 March names Julian 23 February
        {{1525, 2, 5, 9, 0}, StepUnit::month, 1, {1525, 3, 15, 9, 0}},
        {{1524, 3, 8, 9, 0}, StepUnit::year, 1, {1525, 3, 18, 9, 0}},
        // Julian 29 February 1500 is a day the fields do not name.
        {{1500, 2, 28, 12, 0}, StepUnit::day, 1, {1500, 3, 1, 12, 0}},
        {{1500, 2, 28, 23, 0}, StepUnit::hour, 1, {1500, 3, 1, 0, 0}},
    };
    const FixedClockRules clock(7200, false);
    for (const auto& c : cases) {
        const std::optional<LocalTime> to = stepped(clock, {c.from, false}, c.unit, c.count);
        ASSERT_TRUE(to) << c.from.year << '-' << c.from.month << '-' << c.from.day;
        EXPECT_EQ(to->clock, c.to) << c.from.year << '-' << c.from.month << '-' << c.from.day << ' ' << c.from.hour
                                   << ':' << c.from.minute;
    }
}

TEST(TimeStep, StopsAtTheEndsOfTheYearsTheFieldsTake) {
    const FixedClockRules clock(7200, false);
    EXPECT_FALSE(stepped(clock, {{9998, 12, 31, 23, 59}}, StepUnit::minute, 1));
    EXPECT_FALSE(stepped(clock, {{9998, 6, 1, 0, 0}}, StepUnit::year, 1));
    EXPECT_FALSE(stepped(clock, {{-9998, 1, 1, 0, 0}}, StepUnit::day, -1));
    EXPECT_FALSE(stepped(clock, {{1, 1, 1, 0, 0}}, StepUnit::minute, -1));  // year 0 reads as no year
    EXPECT_FALSE(stepped(clock, {{2024, 2, 30, 0, 0}}, StepUnit::day, 1));
}

}  // namespace
}  // namespace zenlith
