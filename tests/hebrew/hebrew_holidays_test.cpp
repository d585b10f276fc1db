// Festivals, fasts, candle lighting and havdalah in Israel against hebcal
// (npm @hebcal/core 6.9.3, Israel mode, fixture made by
// tools/reference/hebrew_holidays_reference.mjs) on every day of the Hebrew
// years 5710-5809: the national days' first years and rules, and every way
// the festivals meet Shabbat.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "hebrew_holidays.h"

namespace zenlith {
namespace {

struct ReferenceDay {
    char evening = '-';  // C, N, H as EveningRite's candles before sunset, at nightfall, havdalah
    std::set<std::string> names;
};

std::map<int, ReferenceDay> referenceDays() {
    std::ifstream in(ZENLITH_HEBREW_HOLIDAYS);
    std::map<int, ReferenceDay> days;
    for (std::string line; std::getline(in, line);) {
        std::istringstream fields(line);
        int dayNumber = 0;
        ReferenceDay day;
        if (!(fields >> dayNumber >> day.evening)) {
            continue;  // the heading
        }
        for (std::string name; std::getline(fields >> std::ws, name, ';');) {
            day.names.insert(name);
        }
        days[dayNumber] = day;
    }
    return days;
}

TEST(HebrewHolidays, EveryDayOfACenturyAgreesWithHebcalInIsrael) {
    const std::map<int, ReferenceDay> days = referenceDays();
    ASSERT_GT(days.size(), 4000u);
    for (int n = hebrewNewYearDayNumber(5710); n < hebrewNewYearDayNumber(5810); ++n) {
        const std::optional<HebrewCalendarDay> day = hebrewCalendarDayOf(n);
        ASSERT_TRUE(day) << n;
        ReferenceDay expected;  // a plain day: Friday lights candles, Shabbat ends with havdalah
        expected.evening = day->weekday == 5 ? 'C' : day->weekday == 6 ? 'H' : '-';
        if (const auto found = days.find(n); found != days.end()) {
            expected = found->second;
        }
        std::set<std::string> names;
        for (const Observance observance : day->observances) {
            names.emplace(observanceName(observance));
        }
        EXPECT_EQ(names, expected.names) << "day number " << n;
        EXPECT_EQ("-CNH"[static_cast<int>(day->evening)], expected.evening) << "day number " << n;
    }
}

}  // namespace
}  // namespace zenlith
