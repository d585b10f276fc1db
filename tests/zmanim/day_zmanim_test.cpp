// The day's halachic times at 32° N 35° E on Israel's clock against hebcal
// (npm @hebcal/core 6.9.3, sea level, fixture made by
// tools/reference/zmanim_reference.mjs), every day of 2026, on both models:
// within a minute, and present or absent on the same days.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "classic_sky_model.h"
#include "day_sheet.h"
#include "israel_clock_rules.h"
#include "precise_sky_model.h"

namespace zenlith {
namespace {

struct ReferenceDay {
    int year = 0, month = 0, day = 0;
    std::array<std::optional<double>, zmanCount> minutesAfterMidnightUt;
};

std::vector<ReferenceDay> referenceDays() {
    std::ifstream in(ZENLITH_ZMANIM_2026);
    std::vector<ReferenceDay> days;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with('#')) {
            continue;
        }
        std::istringstream fields(line);
        ReferenceDay day;
        fields >> day.year >> day.month >> day.day;
        for (std::optional<double>& minutes : day.minutesAfterMidnightUt) {
            std::string field;
            fields >> field;
            if (field != "-") {
                minutes = std::stod(field);
            }
        }
        days.push_back(day);
    }
    return days;
}

// Inclusive: candle lighting is a whole minute on both sides, and a sunset a
// few seconds apart across a minute's edge puts them a minute apart.
constexpr double oneMinute = 1 + 1e-5;

void expectAgreement(SkyModel& model, const std::vector<ReferenceDay>& days) {
    const IsraelClockRules rules;
    const ZmanimChoices choices{20, HavdalahRule::atTzeit};
    for (const ReferenceDay& day : days) {
        const std::optional<DaySheet> sheet = daySheetFor(model, rules, day.year, day.month, day.day, choices);
        ASSERT_TRUE(sheet && sheet->zmanim);
        const double midnightUt = julianDateOf({day.year, day.month, day.day, 0, 0});
        for (int k = 0; k < zmanCount; ++k) {
            const Zman& zman = (*sheet->zmanim)[k];
            const std::optional<double>& expected = day.minutesAfterMidnightUt[k];
            const std::string where = std::to_string(day.month) + "/" + std::to_string(day.day) + " " +
                                      std::string(zmanKey(static_cast<ZmanIndex>(k)));
            ASSERT_EQ(zman.julianDate.has_value(), expected.has_value()) << where;
            if (expected) {
                EXPECT_NEAR((*zman.julianDate - midnightUt) * 1440, *expected, oneMinute) << where;
            }
        }
    }
}

TEST(DayZmanim, EveryDayOf2026AgreesWithHebcalOnBothModels) {
    const std::vector<ReferenceDay> days = referenceDays();
    ASSERT_EQ(days.size(), 365u);
    Engine engine;
    ClassicSkyModel classic(engine);
    expectAgreement(classic, days);
    PreciseSkyModel precise;
    expectAgreement(precise, days);
}

}  // namespace
}  // namespace zenlith
