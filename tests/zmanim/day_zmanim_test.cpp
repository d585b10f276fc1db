// The day's halachic times against hebcal (npm @hebcal/core 6.9.3, sea
// level, festivals as kept in Israel; fixtures made by
// tools/reference/zmanim_reference.mjs), every day of 2026 at five places on
// both models, found day by day and by the month's table: within a minute,
// and present or absent on the same days (in London's June dawn at 16.1°
// does not come).
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "almanac_days.h"
#include "candle_custom.h"
#include "classic_sky_model.h"
#include "day_sheet.h"
#include "hebcal_days.h"
#include "zone_clock_rules.h"
#include "precise_sky_model.h"

namespace zenlith {
namespace {

using ReferenceDay = test::HebcalDay;

// Inclusive: candle lighting is a whole minute on both sides, and a sunset a
// few seconds apart across a minute's edge puts them a minute apart.
constexpr double oneMinute = 1 + 1e-5;

// The day's times found by the day's own searches, or by the month's table,
// which follows each crossing from the day before (the days come in order).
std::optional<DayZmanim> dayZmanim(SkyModel& model, const ClockRules& rules, const ZmanimChoices& choices,
                                   const ReferenceDay& day, std::optional<std::vector<AlmanacDay>>& month, bool byMonth) {
    if (!byMonth) {
        const std::optional<DaySheet> sheet = daySheetFor(model, rules, day.year, day.month, day.day, false, choices);
        return sheet ? sheet->zmanim : std::nullopt;
    }
    if (day.day == 1) month = almanacMonth(model, rules, day.year, day.month, choices);
    return month ? month->at(static_cast<std::size_t>(day.day - 1)).zmanim : std::nullopt;
}

void expectAgreement(SkyModel& model, const ClockRules& rules, const ZmanimChoices& choices,
                     const std::vector<ReferenceDay>& days, bool byMonth) {
    std::optional<std::vector<AlmanacDay>> month;
    for (const ReferenceDay& day : days) {
        const std::optional<DayZmanim> zmanim = dayZmanim(model, rules, choices, day, month, byMonth);
        ASSERT_TRUE(zmanim);
        const double midnightUt = julianDateOf({day.year, day.month, day.day, 0, 0});
        for (int k = 0; k < zmanCount; ++k) {
            const Zman& zman = (*zmanim)[k];
            const std::optional<double>& expected = day.minutesAfterMidnightUt[k];
            const std::string where = model.place().name + (byMonth ? " month " : " day ") + std::to_string(day.month) +
                                      "/" + std::to_string(day.day) + " " + std::string(zmanKey(static_cast<ZmanIndex>(k)));
            ASSERT_EQ(zman.julianDate.has_value(), expected.has_value()) << where;
            if (expected) {
                EXPECT_NEAR((*zman.julianDate - midnightUt) * 1440, *expected, oneMinute) << where;
            }
        }
    }
}

struct ReferencePlace {
    std::string file;
    Place place;
    ZmanimChoices choices;
};

TEST(DayZmanim, EveryDayOf2026AgreesWithHebcalAtFivePlacesOnBothModelsDayByDayAndByMonth) {
    const ReferencePlace places[] = {
        {"original_site.tsv", originalSite(), {20, HavdalahRule::atTzeit}},
        {"jerusalem.tsv", {"Jerusalem", 31.76904, 35.21633, 0, "Asia/Jerusalem"}, {40, HavdalahRule::atTzeit}},
        {"eilat.tsv", {"Eilat", 29.55805, 34.94821, 0, "Asia/Jerusalem"}, {20, HavdalahRule::atTzeit}},
        {"new_york.tsv", {"New York", 40.71417, -74.00639, 0, "America/New_York"}, {18, HavdalahRule::seventyTwoMinutes}},
        {"london.tsv", {"London", 51.50833, -0.12528, 0, "Europe/London"}, {18, HavdalahRule::atTzeit}},
    };
    for (const ReferencePlace& reference : places) {
        const auto days = test::readHebcalDays(std::string(ZENLITH_ZMANIM_DATA) + "/" + reference.file);
        ASSERT_EQ(days.size(), 365u) << reference.file;
        const auto rules = ZoneClockRules::open(reference.place.timeZone);
        ASSERT_TRUE(rules) << reference.place.timeZone;
        Engine engine;
        ClassicSkyModel classic(engine);
        PreciseSkyModel precise;
        for (SkyModel* model : {static_cast<SkyModel*>(&classic), static_cast<SkyModel*>(&precise)}) {
            model->standAt(reference.place);
            for (const bool byMonth : {false, true}) expectAgreement(*model, *rules, reference.choices, days, byMonth);
        }
    }
}

// A summer day far north, as a sky whose Sun's altitude swings between
// -10° at midnight and +50° at noon: it never sinks 11.5° or 16.1°, so dawn
// and misheyakir are missing for that reason; a Sun that never sets leaves
// everything counted from sunset missing for its own.
class SwingingSun final : public SkyModel {
public:
    explicit SwingingSun(double lowestDegrees) : lowest_(lowestDegrees) {}
    ModelKind kind() const override { return ModelKind::precise; }
    bool covers(double) const override { return true; }
    SkyPlaces placesAt(double julianDate) override {
        SkyPlaces places;
        const double fromNoon = (julianDate - std::round(julianDate)) * 2 * std::numbers::pi;
        places.bodies[sunIndex].AltAirless = lowest_ + (50 - lowest_) * (1 + std::cos(fromNoon)) / 2;
        return places;
    }
    void standAt(const Place&) override {}
    const Place& place() const override { return place_; }

private:
    double lowest_;
    Place place_ = originalSite();
};

TEST(DayZmanim, TimesThatDoNotOccurAreMissingWithTheirReason) {
    struct Case {
        double lowestDegrees;
        bool sets;
        ZmanAbsence tzeit, sofZmanShma;
    };
    const Case cases[] = {{-10, true, ZmanAbsence::none, ZmanAbsence::none},
                          {5, false, ZmanAbsence::depthNotReached, ZmanAbsence::sunUpAllDay}};
    for (const Case& c : cases) {
        SwingingSun sky(c.lowestDegrees);
        PlacesMemo places(sky);
        const DaySpan day{2461000.5, 2461001.5};
        BodyEvents sun;  // the searches' rise and set, where there are any
        if (c.sets) {
            sun.rise = HorizonEvent{day.start + 0.3, 90, -0.8};
            sun.set = HorizonEvent{day.start + 0.7, 270, -0.8};
        }
        sun.upAllDay = !c.sets;
        const DayZmanim zmanim = findDayZmanim(places, day, sun, EveningRite::havdalah, {});
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::alotHaShachar).absence, ZmanAbsence::depthNotReached);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::misheyakir).absence, ZmanAbsence::depthNotReached);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::tzeit).absence, c.tzeit);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::havdalah).absence, c.tzeit);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::sofZmanShma).absence, c.sofZmanShma);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::candleLighting).absence, ZmanAbsence::notThisDay);
        EXPECT_EQ(zmanOf(zmanim, ZmanIndex::chatzot).julianDate.has_value(), c.sets);
    }
}

// City centres from GeoNames.
TEST(CandleCustom, FollowsTheCityThenTheCountry) {
    const std::pair<Place, int> cases[] = {
        {Place{"ירושלים", 31.769, 35.216, 754, "Asia/Jerusalem"}, 40},
        {Place{"חיפה", 32.816, 34.989, 0, "Asia/Jerusalem"}, 30},
        {originalSite(), 20},
        {Place{"אילת", 29.558, 34.952, 0, "Asia/Jerusalem"}, 20},
        {Place{"New York", 40.714, -74.006, 10, "America/New_York"}, 18},
    };
    for (const auto& [place, minutes] : cases) {
        EXPECT_EQ(candleLightingMinutes(suggestedCandleCustom(place)), minutes) << place.name;
    }
}

}  // namespace
}  // namespace zenlith
