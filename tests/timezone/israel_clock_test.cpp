// Israel's clock through the real time-zone database. Expected changes are
// those `zdump -v Asia/Jerusalem` lists (tzdata 2025b): summer time began on
// 1 June 1940 and on 29 March 2024 at 02:00, ended on 27 October 2024 at
// 02:00 (back to 01:00), and begins on 28 March 9000 by the lasting rule.
#include <gtest/gtest.h>

#include <QDateTime>
#include <algorithm>
#include <cmath>
#include <random>

#include "zone_clock_rules.h"
#include "summer_time.h"
#include "time_step.h"

namespace zenlith {
namespace {

TEST(IsraelClock, SummerTimeFollowsTheDatabaseAndDecidesTheChangeHours) {
    const ClockRules& rules = israelClockRules();
    struct Case {
        CivilDateTime local;
        bool summer;
    };
    const Case cases[] = {
        {{1939, 7, 1, 12, 0}, false},    // before Israel's first summer time
        {{1940, 5, 31, 12, 0}, false},
        {{1940, 6, 2, 12, 0}, true},
        {{2024, 3, 29, 1, 59}, false},
        {{2024, 3, 29, 2, 30}, false},   // skipped hour: read on winter time
        {{2024, 3, 29, 3, 0}, true},
        {{2024, 3, 28, 24, 0}, false},   // 24:00 is the next day's midnight
        {{2024, 10, 27, 0, 59}, true},
        {{2024, 10, 27, 1, 30}, true},   // repeated hour: its first pass
        {{2024, 10, 27, 2, 0}, false},
        {{2024, 12, 31, 23, 59}, false},
        {{9000, 3, 28, 1, 0}, false},    // beyond the listed years, by the rule
        {{9000, 7, 1, 12, 0}, true},
        {{-500, 7, 1, 12, 0}, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(summerTimeAt(rules, c.local), c.summer) << c.local.year << '-' << c.local.month << '-' << c.local.day
                                                          << ' ' << c.local.hour << ':' << c.local.minute;
    }
    EXPECT_EQ(summerTimeAt(rules, {2023, 2, 29, 12, 0}), std::nullopt);
    EXPECT_EQ(summerTimeAt(rules, {2024, 3, 29, 24, 30}), std::nullopt);
}

TEST(IsraelClock, LocalTimesBecomeTheInstantsTheClockShowsThem) {
    const ClockRules& rules = israelClockRules();
    const double oct26 = julianDateOf({2024, 10, 26, 0, 0});
    const double oct27 = julianDateOf({2024, 10, 27, 0, 0});
    const double mar29 = julianDateOf({2024, 3, 29, 0, 0});
    const double minute = 1.0 / 1440;
    EXPECT_NEAR(*universalTimeOf(rules, {2024, 10, 27, 1, 30}), oct26 + 22.5 / 24, minute / 60);
    EXPECT_NEAR(*universalTimeOf(rules, {2024, 10, 27, 2, 0}), oct27, minute / 60);
    EXPECT_NEAR(*universalTimeOf(rules, {2024, 3, 29, 2, 30}), mar29 + 0.5 / 24, minute / 60);
    EXPECT_NEAR(*universalTimeOf(rules, {2024, 3, 29, 3, 0}), mar29, minute / 60);
    EXPECT_EQ(rules.offsetSecondsAt(mar29 - minute), 7200);
    EXPECT_EQ(rules.offsetSecondsAt(mar29), 10800);
}

// Minutes and hours are elapsed time across both changes of 2024; days keep
// the clock time, a skipped one moving on by the gap.
TEST(IsraelClock, StepsAcrossTheChangesOf2024) {
    const ClockRules& rules = israelClockRules();
    const struct {
        LocalTime from;
        StepUnit unit;
        int count;
        CivilDateTime to;
        bool summer;
    } cases[] = {
        {{{2024, 3, 29, 1, 30}, false}, StepUnit::hour, 1, {2024, 3, 29, 3, 30}, true},
        {{{2024, 3, 29, 1, 59}, false}, StepUnit::minute, 1, {2024, 3, 29, 3, 0}, true},
        {{{2024, 3, 29, 3, 0}, true}, StepUnit::minute, -1, {2024, 3, 29, 1, 59}, false},
        {{{2024, 10, 27, 0, 30}, true}, StepUnit::hour, 1, {2024, 10, 27, 1, 30}, true},
        {{{2024, 10, 27, 1, 30}, true}, StepUnit::hour, 1, {2024, 10, 27, 1, 30}, false},
        {{{2024, 10, 27, 1, 30}, false}, StepUnit::hour, 1, {2024, 10, 27, 2, 30}, false},
        {{{2024, 10, 27, 1, 30}, false}, StepUnit::hour, -1, {2024, 10, 27, 1, 30}, true},
        {{{2024, 3, 28, 2, 30}, false}, StepUnit::day, 1, {2024, 3, 29, 3, 30}, true},
        {{{2024, 10, 26, 1, 30}, true}, StepUnit::day, 1, {2024, 10, 27, 1, 30}, true},
        {{{2024, 10, 27, 1, 30}, false}, StepUnit::day, 1, {2024, 10, 28, 1, 30}, false},
        {{{2024, 2, 29, 2, 30}, false}, StepUnit::month, 1, {2024, 3, 29, 3, 30}, true},
    };
    for (const auto& c : cases) {
        const std::optional<LocalTime> to = stepped(rules, c.from, c.unit, c.count);
        ASSERT_TRUE(to);
        EXPECT_EQ(to->clock, c.to) << c.to.month << '-' << c.to.day << ' ' << c.to.hour << ':' << c.to.minute;
        EXPECT_EQ(to->summer, c.summer) << c.to.month << '-' << c.to.day << ' ' << c.to.hour << ':' << c.to.minute;
    }
    // A year of hour steps: 366 days of 24 hours, each a new instant.
    LocalTime at{{2024, 1, 1, 0, 0}, false};
    int steps = 0;
    for (; at.clock.year == 2024; ++steps) at = *stepped(rules, at, StepUnit::hour, 1);
    EXPECT_EQ(steps, 366 * 24);
    EXPECT_EQ(at.clock, (CivilDateTime{2025, 1, 1, 0, 0}));
}

// The rules remember the span between two changes of the clock; their answers
// must be the database's own, whichever order the questions come in.
TEST(IsraelClock, AnswersAsTheDatabaseDoesInAnyOrder) {
    const ClockRules& rules = israelClockRules();
    const QTimeZone zone("Asia/Jerusalem");
    std::vector<double> instants;
    for (const auto& [first, last] : {std::pair{1900, 2040}, std::pair{8999, 9001}}) {
        for (double jd = julianDateOf({first, 1, 1, 0, 0}); jd < julianDateOf({last, 1, 1, 0, 0}); jd += 0.3007) {
            instants.push_back(jd);
        }
    }
    std::mt19937 random(7);
    std::vector<double> shuffled = instants;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    for (const auto* order : {&instants, &shuffled}) {
        for (const double jd : *order) {
            const auto at = QDateTime::fromMSecsSinceEpoch(
                static_cast<qint64>(std::floor((jd - 2440587.5) * 86400000.0)), Qt::UTC);
            ASSERT_EQ(rules.offsetSecondsAt(jd), zone.offsetFromUtc(at)) << std::fixed << jd;
            ASSERT_EQ(rules.isSummerTimeAt(jd), zone.isDaylightTime(at)) << std::fixed << jd;
        }
    }
}

}  // namespace
}  // namespace zenlith
