// The two projections: where the cardinal points, the zenith and the horizon
// must fall by their definitions, and every point above the horizon coming
// back from the view where it went.
#include <gtest/gtest.h>

#include <cmath>

#include "sky_projection.h"

namespace zenlith::sky_map {
namespace {

TEST(SkyProjection, PutsTheCardinalPointsWhereTheSkyIs) {
    struct Case {
        const char* what;
        SkyProjection projection;
        HorizonPoint sky;
        ViewPoint expected;
    };
    const SkyProjection disc = SkyProjection::disc(800, 600);  // horizon radius 300 about (400, 300)
    const SkyProjection strip = SkyProjection::strip(720, 180);
    const Case cases[] = {
        {"zenith at the centre", disc, {123, 90}, {400, 300}},
        {"north on the rim at the top", disc, {0, 0}, {400, 0}},
        {"east on the rim to the left", disc, {90, 0}, {100, 300}},
        {"south at the bottom", disc, {180, 0}, {400, 600}},
        {"west to the right", disc, {270, 0}, {700, 300}},
        // Stereographic: 45° up lies at tan(22.5°) of the radius.
        {"45° up in the south", disc, {180, 45}, {400, 300 + 300 * std::tan(M_PI / 8)}},
        {"zoomed twice and panned", SkyProjection::disc(800, 600, 2, {50, -20}), {90, 0}, {-150, 280}},
        {"strip: north at the left on the horizon", strip, {0, 0}, {0, 180}},
        {"strip: east a quarter across", strip, {90, 0}, {180, 180}},
        {"strip: 45° up in the west", strip, {270, 45}, {540, 90}},
    };
    for (const Case& c : cases) {
        const ViewPoint p = c.projection.project(c.sky);
        EXPECT_NEAR(p.x, c.expected.x, 1e-9) << c.what;
        EXPECT_NEAR(p.y, c.expected.y, 1e-9) << c.what;
    }
}

TEST(SkyProjection, EveryPointAboveTheHorizonComesBack) {
    const SkyProjection projections[] = {
        SkyProjection::disc(1600, 1000), SkyProjection::disc(333, 777, 3.5, {-120, 40}),
        SkyProjection::strip(1600, 1000), SkyProjection::strip(91, 17)};
    for (const SkyProjection& projection : projections) {
        for (double az = 0.5; az < 360; az += 7.3) {
            for (double alt = 0.25; alt < 90; alt += 4.1) {
                const auto back = projection.unproject(projection.project({az, alt}));
                ASSERT_TRUE(back) << az << ' ' << alt;
                EXPECT_NEAR(back->azimuthDegrees, az, 1e-9);
                EXPECT_NEAR(back->altitudeDegrees, alt, 1e-9);
            }
        }
    }
    // Outside the horizon's rim, or outside the strip, there is no sky.
    EXPECT_FALSE(SkyProjection::disc(800, 600).unproject({400, -1}));
    EXPECT_FALSE(SkyProjection::strip(720, 180).unproject({721, 10}));
}

}  // namespace
}  // namespace zenlith::sky_map
