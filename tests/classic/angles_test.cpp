#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "engine.h"

namespace zenlith {
namespace {

Engine readyEngine() {
    Engine engine;
    engine.setConstants();
    return engine;
}

double folded(const Engine& engine, double angle) {
    engine.Test(angle);
    return angle;
}

// The fold must give, to the bit, what adding or subtracting 360 one step at
// a time gives.
TEST(Test, MatchesRepeatedStepsToTheBit) {
    const Engine engine = readyEngine();
    std::mt19937_64 random(11);
    std::uniform_real_distribution<double> spread(-2e6, 2e6);
    for (int n = 0; n < 20000; ++n) {
        const double angle = n % 4 == 0 ? std::ldexp(spread(random), -20) : spread(random);
        double stepped = angle;
        while (stepped < 0) {
            stepped += 360;
        }
        while (stepped > 360) {
            stepped -= 360;
        }
        ASSERT_EQ(folded(engine, angle), stepped) << std::hexfloat << angle;
    }
    EXPECT_EQ(folded(engine, -1e-300), 360);  // the last step rounds up to 360
    EXPECT_EQ(folded(engine, 1080), 360);      // both ends of the turn are kept
    EXPECT_EQ(folded(engine, 0), 0);
}

TEST(Test, HugeAndNonFiniteAnglesEndPromptly) {
    const Engine engine = readyEngine();
    for (const double angle : {1e12, -1e12, 4.5e15, -7.77e300}) {
        const double result = folded(engine, angle);
        EXPECT_GE(result, 0) << angle;
        EXPECT_LE(result, 360) << angle;
        EXPECT_NEAR(std::remainder(result - angle, 360.0), 0, 1e-3 * std::fabs(angle) * 1e-12 + 1e-9) << angle;
    }
    EXPECT_TRUE(std::isnan(folded(engine, std::nan(""))));
    EXPECT_EQ(folded(engine, std::numeric_limits<double>::infinity()), std::numeric_limits<double>::infinity());
}

// Degrees at the ends, where a caller's rounding error must not turn into
// NaN; atn2 takes x first and covers the circle.
TEST(InverseTrigonometry, DegreesAtTheEndsAndAtn2TakesXFirst) {
    const Engine engine = readyEngine();
    const std::pair<double, double> cases[] = {
        {engine.asin(-1), -90},          {engine.acos(-1), 180},         {engine.asin(1.0000000001), 90},
        {engine.asin(-1.0000000001), -90}, {engine.acos(1.0000000001), 0}, {engine.atn2(0, 5), 90},
        {engine.atn2(0, -5), -90},       {engine.atn2(0, 0), -90},       {engine.atn2(-1, 0), 180},
        {engine.atn2(-1, -1), -135},     {engine.atn2(1, 1), 45},
    };
    for (const auto& [found, degrees] : cases) EXPECT_NEAR(found, degrees, 1e-12) << degrees;
    // Agrees with the library's two-argument arc tangent everywhere else.
    for (int degrees = -179; degrees <= 180; degrees += 7) {
        const double x = std::cos(degrees * M_PI / 180);
        const double y = std::sin(degrees * M_PI / 180);
        EXPECT_NEAR(engine.atn2(x, y), std::atan2(y, x) * 180 / M_PI, 1e-9) << degrees;
    }
}

TEST(Ret, CutsToTwoDecimalsTowardsMinusInfinity) {
    Engine engine = readyEngine();
    const struct {
        double in;
        double out;
    } cases[] = {
        {12.3456, 12.34}, {-0.001, -0.01}, {7, 7}, {1.15, 1.14}, {-1.234, -1.24}, {2.999, 2.99}, {-5.671, -5.68},
    };
    for (const auto& c : cases) {
        engine.ret(c.in);
        EXPECT_NEAR(engine.retValue, c.out, 1e-12) << c.in;
    }
}

}  // namespace
}  // namespace zenlith
