#include <gtest/gtest.h>

#include <cmath>

#include "body_result.h"
#include "chart_geometry.h"

namespace zenlith {
namespace {

TEST(SkyColour, EachBandStartsAtItsOwnAltitude) {
    const Rgb night{0, 0, 0}, astronomical{0, 0, 64}, nautical{0, 64, 64}, civil{0, 128, 128}, day{255, 255, 192};
    const std::pair<double, Rgb> cases[] = {
        {-40, night}, {-18.0001, night}, {-18, astronomical}, {-12.0001, astronomical}, {-12, nautical},
        {-6, civil},  {-0.0001, civil},  {0, day},            {89, day},
    };
    for (const auto& [altitude, colour] : cases) EXPECT_EQ(skyColourFor(altitude), colour) << altitude;
}

TEST(Markers, PlacedByAltitudeAndAzimuthHiddenBelowTheHorizon) {
    const MarkerSpec& sun = markerTable[3];
    ASSERT_EQ(sun.name, "sun");
    ASSERT_EQ(sun.bodyIndex, sunIndex);
    const MarkerPlacement onHorizon = placeMarker(sun, 0, 180);
    EXPECT_TRUE(onHorizon.visible);
    EXPECT_EQ(onHorizon.top, 3742.0f);
    EXPECT_EQ(onHorizon.left, 607.0f + 28 * 180);
    EXPECT_FALSE(placeMarker(sun, -0.01, 180).visible);
    // 40 twips per degree of altitude, 28 per degree of azimuth.
    const MarkerPlacement high = placeMarker(sun, 45.5, 90.25);
    EXPECT_EQ(high.top, static_cast<float>(3742 - 40 * 45.5));
    EXPECT_EQ(high.left, static_cast<float>(607 + 28 * 90.25));
}

TEST(MoonPhase, WaxingWaningAndTheGapBetween) {
    const auto waxing = moonPhaseFor(14, 99.9);
    ASSERT_TRUE(waxing);
    EXPECT_FALSE(waxing->waning);
    EXPECT_EQ(waxing->angle, 178.2f);
    EXPECT_EQ(moonPhaseFor(10, 100)->angle, 180.0f);
    const auto waning = moonPhaseFor(15, 0);
    ASSERT_TRUE(waning);
    EXPECT_TRUE(waning->waning);
    EXPECT_EQ(waning->angle, 179.0f);
    EXPECT_EQ(moonPhaseFor(20, 50)->angle, 89.0f);
    EXPECT_FALSE(moonPhaseFor(14.5, 99));
    EXPECT_FALSE(moonPhaseFor(14.0001, 99));
}

TEST(MoonPhase, ShadeLinesCoverTheDarkSide) {
    const float width = 106;
    const float r = width / 2;
    EXPECT_TRUE(moonShadeLines(width, {false, 180}).empty());

    // New Moon while waxing: every parallel from limb to limb.
    const auto dark = moonShadeLines(width, {false, 0});
    ASSERT_EQ(dark.size(), 181u);
    EXPECT_NEAR(dark.front().y1, 2 * r, 1e-4);  // t = -90, bottom
    EXPECT_NEAR(dark.back().y1, 0, 1e-4);       // t = 90, top
    EXPECT_NEAR(dark[90].x1, width, 1e-4);      // equator: right limb
    EXPECT_NEAR(dark[90].x2, 0, 1e-4);          // to the left limb

    // Quarter Moon: the terminator runs through the centre.
    for (const ShadeLine& line : moonShadeLines(width, {false, 90})) {
        EXPECT_NEAR(line.x1, r, 1e-4);
        EXPECT_LE(line.x2, r);
        EXPECT_EQ(line.y1, line.y2);
    }
    // Waning shades towards the right limb.
    const auto waning = moonShadeLines(width, {true, 90});
    EXPECT_NEAR(waning[90].x2, width, 1e-4);
    // Parallels stay inside the disc.
    for (const ShadeLine& line : moonShadeLines(23, {true, 30})) {
        EXPECT_LE(std::hypot(line.x2 - 11.5f, line.y2 - 11.5f), 11.5f + 1e-3f);
    }
}

}  // namespace
}  // namespace zenlith
