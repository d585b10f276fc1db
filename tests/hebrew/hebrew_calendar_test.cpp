// The calendar's arithmetic against hebcal (npm @hebcal/core 6.9.3, fixture
// made by tools/reference/hebrew_years_reference.mjs): every year whose New
// Year falls in 1000-3000 CE, and every day of those years.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "hebrew_calendar.h"

namespace zenlith {
namespace {

struct ReferenceYear {
    int year = 0, newYear = 0, nisan = 0, lengthDays = 0;
};

std::vector<ReferenceYear> referenceYears() {
    std::ifstream in(ZENLITH_HEBREW_YEARS);
    std::vector<ReferenceYear> years;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        std::istringstream fields(line);
        ReferenceYear y;
        fields >> y.year >> y.newYear >> y.nisan >> y.lengthDays;
        years.push_back(y);
    }
    return years;
}

// And each day is the day after the one before, and reads back to its number.
TEST(HebrewCalendar, EveryYearAndDayAgreesWithHebcal) {
    const std::vector<ReferenceYear> years = referenceYears();
    ASSERT_EQ(years.size(), 2001u);
    std::optional<HebrewDate> previous = hebrewDateOfDayNumber(years.front().newYear - 1);
    EXPECT_EQ(previous, (HebrewDate{years.front().year - 1, HebrewMonth::elul, 29, false}));
    for (const ReferenceYear& y : years) {
        EXPECT_EQ(hebrewNewYearDayNumber(y.year), y.newYear) << y.year;
        EXPECT_EQ(hebrewYearLengthDays(y.year), y.lengthDays) << y.year;
        EXPECT_EQ(dayNumberOf({y.year, HebrewMonth::nisan, 1, isHebrewLeapYear(y.year)}), y.nisan) << y.year;
        for (int n = y.newYear; n < y.newYear + y.lengthDays; ++n) {
            const std::optional<HebrewDate> date = hebrewDateOfDayNumber(n);
            ASSERT_TRUE(date && previous) << n;
            const bool sameMonth = date->year == previous->year && date->month == previous->month;
            EXPECT_EQ(date->day, sameMonth ? previous->day + 1 : 1) << n;
            EXPECT_TRUE(sameMonth || previous->day == 29 || previous->day == 30) << n;
            EXPECT_EQ(dayNumberOf(*date), n);
            previous = date;
        }
    }
}

TEST(HebrewCalendar, YearLengthsAreTheSixAllowedOnesAndRangesAreGuarded) {
    for (int year = 1; year <= 10000; ++year) {
        const int length = hebrewYearLengthDays(year);
        if (isHebrewLeapYear(year)) {
            EXPECT_TRUE(length >= 383 && length <= 385) << year;
        } else {
            EXPECT_TRUE(length >= 353 && length <= 355) << year;
        }
    }
    EXPECT_EQ(hebrewDateOfDayNumber(hebrewNewYearDayNumber(1) - 1), std::nullopt);
    EXPECT_EQ(hebrewDateOfDayNumber(hebrewNewYearDayNumber(lastHebrewYear + 1)), std::nullopt);
    EXPECT_TRUE(hebrewDateOfDayNumber(hebrewNewYearDayNumber(lastHebrewYear + 1) - 1));
    EXPECT_EQ(dayNumberOf({5785, HebrewMonth::adarI, 1, false}), std::nullopt);  // a common year
    EXPECT_EQ(dayNumberOf({5781, HebrewMonth::cheshvan, 30, false}), std::nullopt);  // 353 days
    EXPECT_EQ(dayNumberOf({0, HebrewMonth::tishrei, 1, false}), std::nullopt);
}

// ICU 72 puts ten New Years a day late; their day numbers are in the
// fixture above. Here the civil day of one of them, 5807 (hebcal).
TEST(HebrewCalendar, ANewYearThatAnOlderLibraryGotWrongFallsOnItsCivilDay) {
    EXPECT_EQ(hebrewDateOf(2046, 10, 1), (HebrewDate{5807, HebrewMonth::tishrei, 1, false}));
    EXPECT_EQ(hebrewDateOf(2046, 9, 30), (HebrewDate{5806, HebrewMonth::elul, 29, true}));
}

}  // namespace
}  // namespace zenlith
