// Steps through the calendar, checked against calendar facts: month lengths,
// the Gregorian leap rule (2000 and 2400 leap, 1900 and 2100 not), the
// turn of a year, and the ends of the years the fields take.
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
        {{2024, 2, 28, 12, 0}, StepUnit::day, 1, {2024, 2, 29, 12, 0}},
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
        {{9998, 12, 31, 23, 58}, StepUnit::minute, 1, {9998, 12, 31, 23, 59}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(stepped(c.from, c.unit, c.count), c.to)
            << c.from.year << '-' << c.from.month << '-' << c.from.day << ' ' << c.from.hour << ':' << c.from.minute;
    }
}

TEST(TimeStep, StopsAtTheEndsOfTheYearsTheFieldsTake) {
    EXPECT_EQ(stepped({9998, 12, 31, 23, 59}, StepUnit::minute, 1), std::nullopt);
    EXPECT_EQ(stepped({9998, 6, 1, 0, 0}, StepUnit::year, 1), std::nullopt);
    EXPECT_EQ(stepped({-9998, 1, 1, 0, 0}, StepUnit::day, -1), std::nullopt);
    EXPECT_EQ(stepped({1, 1, 1, 0, 0}, StepUnit::minute, -1), std::nullopt);  // year 0 reads as no year
    EXPECT_EQ(stepped({2024, 2, 30, 0, 0}, StepUnit::day, 1), std::nullopt);
}

}  // namespace
}  // namespace zenlith
