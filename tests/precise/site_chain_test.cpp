// The whole chain, from the civil time typed in the fields to azimuth and
// altitude at the site, with the precise model chosen.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>

#include "magnitude.h"
#include "messages.h"
#include "sky_calculator.h"

namespace zenlith {
namespace {

const ComputedSky& skyOf(const ComputeOutcome& outcome) {
    static ComputedSky none;
    const auto* sky = std::get_if<ComputedSky>(&outcome);
    EXPECT_NE(sky, nullptr);
    return sky ? *sky : none;
}

ComputedSky preciseSky(FieldTexts fields) {
    SkyCalculator calculator;
    calculator.choose(ModelKind::precise);
    return skyOf(calculator.compute(fields, "."));
}

// Angle between two azimuth–altitude directions, arc-minutes.
double separation(double az1, double alt1, double az2, double alt2) {
    const double r = std::numbers::pi / 180;
    const double c = std::sin(alt1 * r) * std::sin(alt2 * r) + std::cos(alt1 * r) * std::cos(alt2 * r) * std::cos((az1 - az2) * r);
    return std::acos(std::min(1.0, c)) / r * 60;
}

struct Horizontal {
    double az, alt;
};

// Airless azimuth and altitude at 32° N 35° E from the independent library
// astronomy-engine 2.1.19 (Equator of date with aberration, then Horizon
// without refraction), for the universal times the fields below stand for.
struct Reference {
    FieldTexts fields;
    std::array<Horizontal, bodyCount> bodies;
};

const Reference references[] = {
    {{"2024", "3", "1", "14", "0", false},  // 12:00 UT
     {{{223.4735, 40.2759}, {220.2961, 40.9656}, {235.9495, 18.4883}, {237.3049, 14.8934}, {122.5890, 61.5548},
       {222.6606, 38.2158}, {108.7523, 57.2688}, {208.7324, 51.8963}, {289.3728, -61.8958}}}},
    {{"1987", "8", "15", "5", "30", true},  // 02:30 UT
     {{{67.8862, -7.6098}, {67.9426, -1.9091}, {67.3761, -5.1062}, {65.7842, -10.4558}, {198.8001, 67.0047},
       {278.3732, -54.5676}, {269.6957, -48.0739}, {264.3123, -35.9841}, {186.3692, 74.2515}}}},
    {{"2087", "11", "20", "21", "0", false},  // 19:00 UT
     {{{281.4519, -55.2745}, {284.1300, -57.0581}, {7.1980, -62.8785}, {275.4574, -51.2532}, {18.3365, -60.2615},
       {137.9819, 64.4252}, {233.8082, 26.6205}, {58.3979, -18.4736}, {26.5033, -62.9019}}}},
};

// eraPlan94's own limits for 1900–2100: 1′ for the Sun, the Moon, Mercury,
// Venus and Neptune, 2′ for Mars, Jupiter, Saturn and Uranus.
constexpr std::array<double, bodyCount> allowedMinutes = {1, 1, 1, 2, 2, 2, 2, 1, 1};

TEST(PreciseChain, EveryBodyWithinArcMinutesOfAnIndependentLibrary) {
    for (const Reference& reference : references) {
        const ComputedSky sky = preciseSky(reference.fields);
        for (int k = 0; k < bodyCount; ++k) {
            const BodyPlace& body = sky.places.bodies[k];
            const Horizontal& expected = reference.bodies[k];
            EXPECT_LT(separation(body.Az, body.AltAirless, expected.az, expected.alt), allowedMinutes[k])
                << reference.fields.year << " body " << k;
        }
    }
}

TEST(PreciseChain, ChosenModelNamesItselfAndClassicStaysDefault) {
    SkyCalculator calculator;
    EXPECT_EQ(calculator.chosen(), ModelKind::classic);
    const FieldTexts fields{"2024", "3", "1", "14", "0", false};
    const ComputedSky classic = skyOf(calculator.compute(fields, "."));
    calculator.choose(ModelKind::precise);
    EXPECT_EQ(calculator.chosen(), ModelKind::precise);
    const ComputedSky precise = skyOf(calculator.compute(fields, "."));
    EXPECT_EQ(classic.model, ModelKind::classic);
    EXPECT_EQ(precise.model, ModelKind::precise);
    EXPECT_EQ(precise.julianDate, classic.julianDate);
    EXPECT_TRUE(precise.report.ends_with("\r\nחישוב מדויק (ERFA)"));
    EXPECT_FALSE(classic.report.ends_with("(ERFA)"));
}

TEST(PreciseChain, RefusesOutsideTheYears1000To2999) {
    SkyCalculator calculator(ModelKind::precise);
    const Refusal expected{"החישוב המדויק מכסה את השנים 1000 עד 2999 בלבד; לתאריך זה בחרו בחישוב הרגיל",
                           "ערך שגוי"};
    for (const char* year : {"999", "3000", "3001", "-4000", "9000"}) {
        const ComputeOutcome outcome = calculator.compute({year, "6", "1", "12", "0", false}, ".");
        ASSERT_TRUE(std::holds_alternative<Refusal>(outcome)) << year;
        EXPECT_EQ(std::get<Refusal>(outcome), expected) << year;
    }
    // eraPlan94 holds from 999 December 19.5 (TT), and the Moon's age needs the
    // lunation before: the first day is 19 January 1000; the last hour of 2999 is in.
    for (FieldTexts fields : {FieldTexts{"1000", "1", "19", "0", "0", true}, FieldTexts{"2999", "12", "31", "23", "59", false}}) {
        EXPECT_TRUE(std::holds_alternative<ComputedSky>(calculator.compute(fields, "."))) << fields.year;
    }
    EXPECT_EQ(std::get<Refusal>(calculator.compute({"1000", "1", "17", "12", "0", false}, ".")), expected);
}

// Moon ages against new Moons published by the US Naval Observatory (to the
// minute, UT), and the lit fraction at a full and a quarter Moon.
TEST(PreciseChain, MoonAgeAndIllumination) {
    // New Moon 2024 January 11, 11:57 UT; age at 2024 January 21, 12:00 UT.
    const MoonValues january = preciseSky({"2024", "1", "21", "14", "0", false}).places.moon;
    EXPECT_NEAR(january.age, 10 + 3.0 / 1440, 1.5 / 1440);
    // A calculator that keeps the new Moon from an earlier day gives the same figure.
    SkyCalculator warm(ModelKind::precise);
    warm.compute({"2024", "1", "20", "14", "0", false}, ".");
    EXPECT_EQ(skyOf(warm.compute({"2024", "1", "21", "14", "0", false}, ".")).places.moon.age, january.age);
    // New Moon 2000 January 6, 18:14 UT; age at 2000 February 5, 12:00 UT,
    // one day before the next (February 5, 13:03 UT).
    const MoonValues february = preciseSky({"2000", "2", "5", "14", "0", false}).places.moon;
    EXPECT_NEAR(february.age, 30 - 374.0 / 1440, 1.5 / 1440);
    // Full Moon 2024 January 25, 17:54 UT: nearly all lit, elongation near 180°.
    const MoonValues full = preciseSky({"2024", "1", "25", "19", "54", false}).places.moon;
    EXPECT_GT(full.illumination, 99.5);
    EXPECT_NEAR(full.elongation, 180, 0.01);
    // First quarter 2024 January 18, 03:53 UT: half lit, to a percent.
    const MoonValues quarter = preciseSky({"2024", "1", "18", "5", "53", false}).places.moon;
    EXPECT_NEAR(quarter.illumination, 50, 1);
    EXPECT_NEAR(quarter.elongation, 90, 0.01);
}

// Magnitudes at oppositions and at Venus's greatest brilliancy, as the
// Astronomical Almanac prints them (to a tenth); Saturn with its rings open.
TEST(PreciseChain, MagnitudesAsTheAlmanacPrintsThem) {
    struct Case {
        FieldTexts fields;
        int planet;
        double magnitude;
    };
    const Case cases[] = {
        {{"2003", "8", "28", "12", "0", false}, marsIndex, -2.9},
        {{"2003", "12", "31", "12", "0", false}, saturnIndex, -0.5},
        {{"2022", "9", "26", "12", "0", false}, jupiterIndex, -2.9},
        {{"2020", "4", "28", "12", "0", false}, venusIndex, -4.7},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(preciseSky(c.fields).places.bodies[c.planet].Mag, c.magnitude, 0.1) << c.fields.year;
    }
    // At 1 AU from the Sun and the Earth and at full phase each planet shows
    // the absolute magnitude V(1,0) that Mallama & Hilton list (Saturn with
    // its rings edge-on, Neptune after 2000); with r·Δ = 10, five fainter.
    const std::pair<BodyIndex, double> absolute[] = {
        {mercuryIndex, -0.613}, {venusIndex, -4.384}, {marsIndex, -1.601},   {jupiterIndex, -9.395},
        {saturnIndex, -8.914},  {uranusIndex, -7.110}, {neptuneIndex, -7.00},
    };
    for (const auto& [planet, magnitude] : absolute) {
        EXPECT_NEAR(precise::visualMagnitude(planet, {1, 1, 0, 0, 2010}), magnitude, 0.0005) << planet;
        EXPECT_NEAR(precise::visualMagnitude(planet, {2, 5, 0, 0, 2010}), magnitude + 5, 0.0005) << planet;
    }
}

}  // namespace
}  // namespace zenlith
