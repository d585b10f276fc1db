// Number to text with the rules of printf's %.15G (fixed notation unless the
// decimal exponent is below -4 or at least 15, trailing zeros dropped), but
// independent of the C locale: the separator is the caller's.
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zenlith {

namespace {

constexpr int significantDigits = 15;

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one
    int exponent = 0;    // of the first digit
};

Decimal toDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                                      significantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (; pos < e; ++pos) {
        if (text[pos] != '.') {
            decimal.digits += text[pos];
        }
    }
    decimal.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    return decimal;
}

std::string fixedText(const Decimal& d, std::string_view separator) {
    const int integerDigits = d.exponent + 1;
    std::string text;
    if (integerDigits <= 0) {
        text = "0" + std::string(separator) + std::string(static_cast<std::size_t>(-integerDigits), '0') + d.digits;
    } else if (static_cast<std::size_t>(integerDigits) >= d.digits.size()) {
        text = d.digits + std::string(static_cast<std::size_t>(integerDigits) - d.digits.size(), '0');
    } else {
        const auto split = static_cast<std::size_t>(integerDigits);
        text = d.digits.substr(0, split) + std::string(separator) + d.digits.substr(split);
    }
    return text;
}

std::string exponentText(const Decimal& d, std::string_view separator) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) {
        text += std::string(separator) + d.digits.substr(1);
    }
    const int magnitude = std::abs(d.exponent);
    text += d.exponent < 0 ? "E-" : "E+";
    text += (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    return text;
}

}  // namespace

std::string numberText(double value, std::string_view decimalSeparator) {
    if (value == 0) {
        return "0";  // no sign on a negative zero
    }
    if (!std::isfinite(value)) {
        return std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
    }
    const Decimal decimal = toDecimal(value);
    const bool useExponent = decimal.exponent < -4 || decimal.exponent >= significantDigits;
    const std::string body = useExponent ? exponentText(decimal, decimalSeparator) : fixedText(decimal, decimalSeparator);
    return decimal.negative ? "-" + body : body;
}

}  // namespace zenlith
