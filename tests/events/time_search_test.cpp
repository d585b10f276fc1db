// The generic search on functions whose zeros are known in closed form.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "time_search.h"

namespace zenlith {
namespace {

constexpr double second = 1.0 / 86400;

TEST(TimeSearch, FindsEveryCrossingOfASineInOrderWithItsDirection) {
    // Zeros at 0.3 + k/2 days, rising at even k.
    const TimeFunction f = [](double t) { return std::sin(2 * std::numbers::pi * (t - 0.3)); };
    const std::vector<Zero> zeros = findZeros(f, {0.1, 2.2, 1.0 / 24, second});
    ASSERT_EQ(zeros.size(), 4u);
    for (std::size_t k = 0; k < zeros.size(); ++k) {
        EXPECT_NEAR(zeros[k].julianDate, 0.3 + 0.5 * static_cast<double>(k), second);
        EXPECT_EQ(zeros[k].crossing, k % 2 == 0 ? Crossing::upward : Crossing::downward);
    }
    const std::vector<Zero> falling = findZeros(f, {0.1, 2.2, 1.0 / 24, second}, Crossing::downward);
    ASSERT_EQ(falling.size(), 2u);
    EXPECT_NEAR(falling[1].julianDate, 1.8, second);
}

TEST(TimeSearch, NarrowsAStepToTheToleranceAndRefusesEmptySpans) {
    // A step, as a model that holds time in single precision produces.
    const TimeFunction step = [](double t) { return t < 0.123456 ? -1.0 : 1.0; };
    const std::vector<Zero> zeros = findZeros(step, {0, 1, 0.25, second});
    ASSERT_EQ(zeros.size(), 1u);
    EXPECT_NEAR(zeros[0].julianDate, 0.123456, second);

    const TimeFunction line = [](double t) { return t - 0.5; };
    EXPECT_TRUE(findZeros(line, {1, 0, 0.1, second}).empty());
    EXPECT_TRUE(findZeros(line, {0, 1, 0, second}).empty());
    EXPECT_TRUE(findZeros(line, {0, 1, std::nan(""), second}).empty());
    // A zero on a sample counts once; one on the span's end belongs to the next span.
    EXPECT_EQ(findZeros(line, {0, 1, 0.25, second}).size(), 1u);
    EXPECT_TRUE(findZeros(line, {0, 0.5, 0.25, second}).empty());
}

}  // namespace
}  // namespace zenlith
