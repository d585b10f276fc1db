#include <gtest/gtest.h>

#include <cmath>

#include "engine_at.h"

namespace zenlith {
namespace {

double separation(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(Bodies, PhaseFollowsFromTheDistances) {
    const Engine e = skyAt(2021, 6, 10, 12, 0);
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        const BodyResult& body = e.bodyResult[k];
        // The phase angle at the planet, by the law of cosines with the Sun
        // at distance 1 from the Earth.
        const double r = body.Radius;
        const double R = body.Rearth;
        const double angle = std::acos((r * r + R * R - 1) / (2 * r * R)) * 180 / M_PI;
        EXPECT_NEAR(body.PhaseAngle, angle, 1e-9) << k;
        EXPECT_NEAR(body.Phase, 50 * (1 + std::cos(angle * M_PI / 180)), 1e-9) << k;
        // Heliocentric latitude stays within the orbit's inclination.
        EXPECT_LE(std::fabs(body.Lat), body.Incl + 1e-9) << k;
    }
}

// Real events as published in almanacs; the model has no perturbations, so
// it meets them to within a few degrees.
TEST(Bodies, MeetsKnownEvents) {
    // New and full Moons (local time is UT + 2, or + 3 in summer).
    EXPECT_LT(separation(skyAt(2000, 1, 6, 20, 14).moonElongation, 0), 8);
    EXPECT_LT(separation(skyAt(2000, 1, 21, 6, 41).moonElongation, 180), 8);
    EXPECT_LT(separation(skyAt(2024, 4, 8, 20, 21).moonElongation, 0), 8);
    EXPECT_LT(separation(skyAt(2024, 9, 18, 5, 34, true).moonElongation, 180), 8);
    // The great conjunction of Jupiter and Saturn, 21 December 2020.
    const Engine conjunction = skyAt(2020, 12, 21, 20, 0);
    EXPECT_LT(separation(conjunction.bodyResult[jupiterIndex].Ra, conjunction.bodyResult[saturnIndex].Ra), 2);
    EXPECT_LT(std::fabs(conjunction.bodyResult[jupiterIndex].Decl - conjunction.bodyResult[saturnIndex].Decl), 2);
}

// Every figure stays finite and in its range over twenty thousand years.
TEST(Bodies, StayInRangeAcrossTheYears) {
    const auto inside = [](double value, double low, double high) { return value >= low && value <= high; };
    for (int year = -9998; year <= 9998; year += 37) {
        for (const float month : {1.0f, 5.0f, 9.0f}) {
            const Engine e = skyAt(static_cast<float>(year), month, 17, 5.0f * month, 11);
            for (int k = 0; k < bodyCount; ++k) {
                const BodyResult& body = e.bodyResult[k];
                ASSERT_TRUE(inside(body.Alt, -90, 90) && inside(body.Az, 0, 360) && inside(body.Ra, 0, 360) &&
                            std::isfinite(body.Decl))
                    << year << " " << k;
                if (k >= firstPlanet && k <= lastPlanet) {
                    ASSERT_TRUE(inside(body.Phase, 0, 100) && std::isfinite(body.Mag) &&
                                std::isfinite(body.AngularDiameter))
                        << year << " " << k;
                }
            }
            ASSERT_TRUE(inside(e.moonIllumination, 0, 100) && inside(e.moonAge, 0, 360 / 12.9)) << year;
        }
    }
}

}  // namespace
}  // namespace zenlith
