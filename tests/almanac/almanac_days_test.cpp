// The month's table against an independent library (astronomy-engine 2.1.19,
// tools/reference/day_events_reference.js) on every day of March and October
// 2026 at the site, in Israel's clock: the events followed from day to day
// must be those a search of each whole day finds, also across the clock's
// changes and on the days the Moon skips rising or setting.
#include <gtest/gtest.h>

#include "almanac_columns.h"
#include "classic_sky_model.h"
#include "zone_clock_rules.h"
#include "precise_sky_model.h"
#include "reference_days.h"

namespace zenlith {
namespace {

using test::ReferenceDay;

constexpr double minute = 1.0 / 1440;

struct ModelCase {
    const char* name;
    SkyModel& model;
    double sun, moon, phase;  // days
};

TEST(AlmanacDays, EveryDayOfTwoMonthsAgreesWithAnIndependentLibrary) {
    Engine engine;
    ClassicSkyModel classic(engine);
    PreciseSkyModel precise;
    const ClockRules& rules = israelClockRules();
    const std::vector<ReferenceDay> reference = test::readReferenceDays();
    // The classic model's Moon runs on mean elements (see the events tests).
    for (const ModelCase& c : {ModelCase{"classic", classic, 0.5 * minute, 15 * minute, 4 * 60 * minute},
                               ModelCase{"precise", precise, minute, minute, minute}}) {
        std::vector<AlmanacDay> days;
        for (const int month : {3, 10}) {
            const auto found = almanacMonth(c.model, rules, 2026, month);
            ASSERT_TRUE(found) << c.name;
            days.insert(days.end(), found->begin(), found->end());
        }
        ASSERT_EQ(days.size(), reference.size());
        int phasesFound = 0, moonlessDays = 0;
        for (std::size_t n = 0; n < days.size(); ++n) {
            const AlmanacDay& day = days[n];
            const ReferenceDay& expected = reference[n];
            const std::string what = std::string(c.name) + " " + expected.date;
            EXPECT_EQ(almanacCell(day, AlmanacColumn::date, rules),
                      expected.date.substr(8, 2) + "." + expected.date.substr(5, 2) + "." + expected.date.substr(0, 4));
            EXPECT_NEAR(day.span.start, expected.start, 1e-5) << what;
            EXPECT_NEAR(day.span.end, expected.end, 1e-5) << what;
            test::expectSameInstant(expected.bodies[sunIndex].rise, day.sunrise, c.sun, what + " sunrise");
            test::expectSameInstant(expected.bodies[sunIndex].set, day.sunset, c.sun, what + " sunset");
            test::expectSameInstant(expected.bodies[moonIndex].rise, day.moonrise, c.moon, what + " moonrise");
            test::expectSameInstant(expected.bodies[moonIndex].set, day.moonset, c.moon, what + " moonset");
            moonlessDays += !day.moonrise + !day.moonset;
            for (int k = 0; k < twilightCount; ++k) {
                test::expectSameInstant(expected.twilights[2 * k], day.twilights[k].dawn, c.sun, what + " dawn");
                test::expectSameInstant(expected.twilights[2 * k + 1], day.twilights[k].dusk, c.sun, what + " dusk");
            }
            // A phase is listed on its day exactly when the reference puts one there.
            std::vector<double> phasesInDay;
            for (const double phase : expected.phases) {
                if (phase >= expected.start && phase < expected.end) phasesInDay.push_back(phase);
            }
            ASSERT_EQ(day.phases.size(), phasesInDay.size()) << what;
            for (std::size_t k = 0; k < phasesInDay.size(); ++k) {
                EXPECT_NEAR(day.phases[k].julianDate, phasesInDay[k], c.phase) << what;
            }
            phasesFound += static_cast<int>(day.phases.size());
        }
        EXPECT_GE(phasesFound, 8) << c.name;
        EXPECT_GE(moonlessDays, 4) << c.name;
    }
}

TEST(AlmanacDays, CellsReadAsAPrintedCalendarDoes) {
    const ClockRules& rules = israelClockRules();
    PreciseSkyModel precise;
    const auto march = almanacMonth(precise, rules, 2026, 3);
    ASSERT_TRUE(march);
    struct Case {
        int day;
        AlmanacColumn column;
        std::string expected;
    };
    // 1 March 2026 was a Sunday, 7 March a Saturday; Purim fell on 3 March.
    for (const Case& c : std::vector<Case>{
             {1, AlmanacColumn::weekday, "ראשון"},
             {7, AlmanacColumn::weekday, "שבת"},
             {3, AlmanacColumn::hebrewDate, "י״ד באדר תשפ״ו"},
         }) {
        EXPECT_EQ(almanacCell((*march)[c.day - 1], c.column, rules), c.expected) << c.day;
    }
    EXPECT_FALSE(almanacMonth(precise, rules, 2026, 13));
    EXPECT_FALSE(almanacMonth(precise, rules, 500, 1));  // beyond the precise model's years
}

}  // namespace
}  // namespace zenlith
