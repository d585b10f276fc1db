#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "round_trip_number.h"

namespace zenlith::probe {
namespace {

std::string standardText(double value) {
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17).ptr;
    return std::string(buffer, end);
}

std::string ourText(double value) {
    std::string text;
    appendRoundTripNumber(text, value);
    return text;
}

// The quick path must write exactly what the standard library writes for
// 17 significant digits, ties and powers of ten included.
TEST(RoundTripNumber, MatchesTheStandardLibrarysSeventeenDigits) {
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> exponent(-7, 12);
    std::uniform_real_distribution<double> mantissa(1, 10);
    for (int n = 0; n < 200000; ++n) {
        const double value = (n % 2 ? -1 : 1) * mantissa(random) * std::pow(10.0, std::floor(exponent(random)));
        ASSERT_EQ(ourText(value), standardText(value)) << std::hexfloat << value;
    }
    for (const double value : {0.0, -0.0, 1e-4, 0.0001, 9.9999999999999995e-5, 1e10, 9999999999.9999981, 1.0, 0.1,
                               360.0, 2451544.5, 8827.4169921875, 1e300, 5e-324,
                               std::numeric_limits<double>::max()}) {
        EXPECT_EQ(ourText(value), standardText(value)) << value;
    }
}

}  // namespace
}  // namespace zenlith::probe
