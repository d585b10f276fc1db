#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>

#include "display_cut.h"
#include "number_text.h"

namespace zenlith {
namespace {

// printf's %.15G in the C locale is the reference, for whole hundredths,
// for figures after the report's display cut (which are not always the
// nearest double to their hundredths: -1 + 0.94 is not -0.06) and for
// arbitrary doubles alike; both ways of writing the text are checked.
TEST(NumberText, AgreesWithPrintfFifteenSignificantDigits) {
    std::mt19937_64 random(3);
    std::uniform_int_distribution<long long> hundredths(-99999999, 99999999);
    std::uniform_real_distribution<double> exponent(-9, 20);
    std::uniform_real_distribution<double> mantissa(1, 10);
    std::uniform_real_distribution<double> figure(-400, 400);
    char expected[64];
    char written[longestNumberText];
    for (int n = 0; n < 100000; ++n) {
        const double cut = static_cast<double>(hundredths(random)) / 100;
        const double displayed = cutToHundredths(figure(random) / std::pow(10.0, n % 5));
        const double any = mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
        for (const double value : {cut, displayed, any, -any}) {
            if (value == 0) {
                continue;  // printf writes -0; the program writes 0
            }
            std::snprintf(expected, sizeof expected, "%.15G", value);
            ASSERT_EQ(numberText(value), expected) << std::hexfloat << value;
            ASSERT_EQ(std::string(written, writeNumberText(written, value)), expected) << std::hexfloat << value;
        }
    }
}

TEST(NumberText, WritesMinusZeroAsZeroAndTheGivenSeparator) {
    EXPECT_EQ(numberText(-0.0), "0");
    EXPECT_EQ(numberText(12.3, ","), "12,3");
    EXPECT_EQ(numberText(-0.5, ","), "-0,5");
    EXPECT_EQ(numberText(1.5e20, ","), "1,5E+20");
    EXPECT_EQ(numberText(7, ","), "7");
    EXPECT_EQ(numberText(0.25, "٫"), "0٫25");
}

}  // namespace
}  // namespace zenlith
