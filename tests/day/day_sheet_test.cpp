// One civil day in Israel's civil time, through the real time-zone database:
// the day's bounds on the days the clocks change, times in the repeated and
// the missing hour, the Hebrew date either side of sunset, and the words for
// what does not happen.
#include <gtest/gtest.h>

#include <algorithm>

#include "classic_sky_model.h"
#include "day_sheet_text.h"
#include "zone_clock_rules.h"
#include "local_time.h"
#include "reference_days.h"

namespace zenlith {
namespace {

constexpr double second = 1.0 / 86400;

bool contains(const std::vector<std::string>& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

class DaySheetTest : public ::testing::Test {
protected:
    std::optional<DaySheet> sheetOf(const std::string& isoDate) {
        return daySheetFor(classic, rules, std::stoi(isoDate.substr(0, 4)), std::stoi(isoDate.substr(5, 2)),
                           std::stoi(isoDate.substr(8, 2)));
    }
    const ClockRules& rules = israelClockRules();
    Engine engine;
    ClassicSkyModel classic{engine};
};

TEST_F(DaySheetTest, DaysRunFromLocalMidnightToMidnightAlsoWhenTheClocksChange) {
    // The bounds the independent reference took from its own time-zone data.
    for (const test::ReferenceDay& day : test::readReferenceDays()) {
        const std::optional<DaySheet> sheet = sheetOf(day.date);
        ASSERT_TRUE(sheet) << day.date;
        EXPECT_NEAR(sheet->span.start, day.start, second) << day.date;
        EXPECT_NEAR(sheet->span.end, day.end, second) << day.date;
    }
    EXPECT_NEAR(sheetOf("2024-03-29")->span.end - sheetOf("2024-03-29")->span.start, 23.0 / 24, second);
    EXPECT_NEAR(sheetOf("2024-10-27")->span.end - sheetOf("2024-10-27")->span.start, 25.0 / 24, second);
    EXPECT_FALSE(sheetOf("2023-02-29"));
}

TEST_F(DaySheetTest, TheRepeatedHourIsToldApartAndTheMissingHourNeverShows) {
    // 27 October 2024: 01:30 comes twice, at 22:30 and 23:30 UT on the 26th.
    const double firstPass = 2460610.4375, secondPass = 2460610.479166667;
    EXPECT_EQ(clockText(localTimeOf(rules, firstPass)), "01:30");
    EXPECT_EQ(clockText(localTimeOf(rules, secondPass)), "01:30");
    EXPECT_TRUE(localTimeOf(rules, firstPass).summer);
    EXPECT_FALSE(localTimeOf(rules, secondPass).summer);
    // 29 March 2024: a minute either side of 00:00 UT reads 01:59 and 03:01.
    EXPECT_EQ(clockText(localTimeOf(rules, 2460398.5 - 60 * second)), "01:59");
    EXPECT_EQ(clockText(localTimeOf(rules, 2460398.5 + 60 * second)), "03:01");
    EXPECT_EQ(dateAndClockText(localTimeOf(rules, 2460398.5)), "2024-03-29 03:00");
    // A time is read under its own day: from 23:59:30 on it stays 23:59.
    // 9 April 2034 ends at 21:00 UT (summer time).
    const double midnight = 2464062.375;
    for (const auto& [secondsBefore, text] : {std::pair{12, "23:59"}, std::pair{31, "23:59"}, std::pair{30, "23:59"},
                                              std::pair{91, "23:58"}, std::pair{0, "00:00"}, std::pair{-20, "00:00"}}) {
        EXPECT_EQ(clockText(localTimeOf(rules, midnight - secondsBefore * second)), text) << secondsBefore;
    }
    EXPECT_EQ(isoTimeText(rules, midnight - 12 * second), "2034-04-09T23:59:48+03:00");
    EXPECT_EQ(isoTimeText(rules, secondPass + 7 * second), "2024-10-27T01:30:07+02:00");

    // On the change day every time says which clock it is on.
    const std::vector<std::string> lines = daySheetLines(*sheetOf("2024-10-27"), rules, 40);
    EXPECT_TRUE(contains(lines, "ביום זה משתנה השעון"));
    EXPECT_TRUE(contains(lines, "(שעון חורף)"));
    // On other days only times across a change do: here the phases after 27 October.
    const std::vector<std::string> ordinary = daySheetLines(*sheetOf("2024-10-03"), rules, 0);
    EXPECT_EQ(ordinary[3].find("(שעון"), std::string::npos);
    EXPECT_NE(ordinary.back().find("(שעון חורף)"), std::string::npos);
}

TEST_F(DaySheetTest, HebrewDateTurnsAtSunsetAndAbsentEventsAreSaid) {
    // Rosh Hashanah 5785 began at sunset on 2 October 2024.
    const std::optional<DaySheet> eve = sheetOf("2024-10-02");
    ASSERT_TRUE(eve);
    const std::vector<std::string> lines = daySheetLines(*eve, rules, 1);
    EXPECT_EQ(lines[1], "התאריך העברי: כ״ט באלול תשפ״ד; משקיעת החמה, 18:23: א׳ בתשרי תשפ״ה");

    // The reference has no moonrise on 4 January 2024 and no moonset on 18 January.
    EXPECT_TRUE(contains(daySheetLines(*sheetOf("2024-01-04"), rules, 0), "הירח: אינו זורח ביום זה"));
    EXPECT_TRUE(contains(daySheetLines(*sheetOf("2024-01-18"), rules, 0), "אינו שוקע ביום זה"));
}

// The horizon lowered for 786 m (the almanacs' dip, 1.76' x sqrt(786) =
// 49.3'): at 31.77 N on 21 June the Sun, rising at azimuth 61.5, climbs
// 15 deg/h x cos(31.77) x sin(61.5) = 11.2 deg/h, so it crosses the lowered
// horizon 4.4 minutes before the sea-level one, and sets as much later.
TEST_F(DaySheetTest, TheDippedHorizonMovesSunriseAndSunsetByTheDipsClimb) {
    classic.standAt(Place{"ירושלים", 31.76904, 35.21633, 786, "Asia/Jerusalem"});
    const auto seaLevel = daySheetFor(classic, rules, 2026, 6, 21);
    const auto dipped = daySheetFor(classic, rules, 2026, 6, 21, true);
    const auto dippedWithZmanim = daySheetFor(classic, rules, 2026, 6, 21, true, ZmanimChoices{});
    ASSERT_TRUE(seaLevel && dipped && dippedWithZmanim);
    EXPECT_EQ(dippedWithZmanim->events.bodies[0].rise->julianDate, dipped->events.bodies[0].rise->julianDate);
    const BodyEvents& sun = seaLevel->events.bodies[0];
    const BodyEvents& lowered = dipped->events.bodies[0];
    ASSERT_TRUE(sun.rise && sun.set && lowered.rise && lowered.set);
    constexpr double minute = 1.0 / 1440;
    EXPECT_NEAR((sun.rise->julianDate - lowered.rise->julianDate) / minute, 4.4, 0.4);
    EXPECT_NEAR((lowered.set->julianDate - sun.set->julianDate) / minute, 4.4, 0.4);
    EXPECT_TRUE(dipped->horizonDipped && !seaLevel->horizonDipped);
}

}  // namespace
}  // namespace zenlith
