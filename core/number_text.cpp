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

// "-d.ddde+XX" into sign, digits without trailing zeros, and exponent.
Decimal parseScientific(std::string_view text) {
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
    const char* exponentStart = text.data() + e + 1 + (text[e + 1] == '+');
    std::from_chars(exponentStart, text.data() + text.size(), decimal.exponent);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    return decimal;
}

// The digits of value rounded to 15 significant digits. When the shortest
// text that reads back as the value has at most 15 digits, it is that
// rounding (15 digits always separate neighbouring doubles), and it is much
// cheaper to find; otherwise the value is rounded explicitly.
Decimal toDecimal(double value) {
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t mantissaEnd = text.find('e');
    const std::size_t digitCount = mantissaEnd - (text[0] == '-') - (text.find('.') < mantissaEnd);
    if (digitCount > significantDigits) {
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                               significantDigits - 1);
        text = std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer));
    }
    return parseScientific(text);
}

// Built by appending only: GCC 12 at -O3 warns falsely on "literal" + string.
std::string fixedText(const Decimal& d, std::string_view separator) {
    const int integerDigits = d.exponent + 1;
    std::string text;
    if (integerDigits <= 0) {
        text.append("0").append(separator).append(static_cast<std::size_t>(-integerDigits), '0').append(d.digits);
    } else if (static_cast<std::size_t>(integerDigits) >= d.digits.size()) {
        text.append(d.digits).append(static_cast<std::size_t>(integerDigits) - d.digits.size(), '0');
    } else {
        const auto split = static_cast<std::size_t>(integerDigits);
        text.append(d.digits, 0, split).append(separator).append(d.digits, split);
    }
    return text;
}

std::string exponentText(const Decimal& d, std::string_view separator) {
    std::string text(d.digits, 0, 1);
    if (d.digits.size() > 1) {
        text.append(separator).append(d.digits, 1);
    }
    const int magnitude = std::abs(d.exponent);
    text.append(d.exponent < 0 ? "E-" : "E+");
    if (magnitude < 10) {
        text.append("0");
    }
    text.append(std::to_string(magnitude));
    return text;
}

// Whole hundredths, the report's figures after the display cut: when value
// is the double nearest to n / 100 (at most 15 digits), that decimal is its
// 15-digit rounding, written straight from the integer. Says whether it wrote.
bool appendHundredths(std::string& out, double value, std::string_view separator) {
    if (!(std::fabs(value) < 1e12)) {
        return false;
    }
    const long long n = std::llround(value * 100);
    if (static_cast<double>(n) / 100 != value) {
        return false;
    }
    const long long whole = n / 100;
    const long long cents = std::llabs(n % 100);
    if (n < 0 && whole == 0) {
        out += '-';
    }
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, whole).ptr);
    if (cents != 0) {
        out.append(separator);
        out += static_cast<char>('0' + cents / 10);
        if (cents % 10 != 0) {
            out += static_cast<char>('0' + cents % 10);
        }
    }
    return true;
}

}  // namespace

void appendNumberText(std::string& out, double value, std::string_view decimalSeparator) {
    if (appendHundredths(out, value, decimalSeparator)) {
        return;
    }
    if (!std::isfinite(value)) {
        out += std::isnan(value) ? "NaN" : value > 0 ? "Infinity" : "-Infinity";
        return;
    }
    const Decimal decimal = toDecimal(value);
    const bool useExponent = decimal.exponent < -4 || decimal.exponent >= significantDigits;
    if (decimal.negative) {
        out += '-';
    }
    out += useExponent ? exponentText(decimal, decimalSeparator) : fixedText(decimal, decimalSeparator);
}

std::string numberText(double value, std::string_view decimalSeparator) {
    std::string text;
    appendNumberText(text, value, decimalSeparator);
    return text;
}

}  // namespace zenlith
