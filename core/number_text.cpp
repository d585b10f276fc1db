// Number to text with the rules of printf's %.15G (fixed notation unless the
// decimal exponent is below -4 or at least 15, trailing zeros dropped), but
// independent of the C locale: the separator is the caller's.
#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

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

constexpr char digitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";

char* writePair(char* out, unsigned value) {
    std::memcpy(out, digitPairs + 2 * value, 2);
    return out + 2;
}

// Most figures are below a thousand: those take two steps at most.
char* writeWhole(char* out, unsigned long long value) {
    if (value < 10) {
        *out++ = static_cast<char>('0' + value);
        return out;
    }
    if (value < 100) {
        return writePair(out, static_cast<unsigned>(value));
    }
    if (value < 1000) {
        *out++ = static_cast<char>('0' + value / 100);
        return writePair(out, static_cast<unsigned>(value % 100));
    }
    return std::to_chars(out, out + longestNumberText, value).ptr;
}

// Whole hundredths, the report's figures after the display cut: when value
// is the double nearest to n / 100 (at most 15 digits), that decimal is its
// 15-digit rounding, written straight from the integer. Null when it is not.
char* writeHundredths(char* out, double value, std::string_view separator) {
    if (!(std::fabs(value) < 1e12)) {
        return nullptr;
    }
    // Any candidate will do: the test below admits only the right one.
    const double scaled = value * 100;
    const auto n = static_cast<long long>(scaled < 0 ? scaled - 0.5 : scaled + 0.5);
    if (static_cast<double>(n) / 100 != value) {
        return nullptr;
    }
    if (n < 0) {
        *out++ = '-';
    }
    const auto magnitude = static_cast<unsigned long long>(n < 0 ? -n : n);
    out = writeWhole(out, magnitude / 100);
    const auto cents = static_cast<unsigned>(magnitude % 100);
    if (cents != 0) {
        if (separator.size() == 1) {
            *out++ = separator.front();
        } else {
            out = std::copy(separator.begin(), separator.end(), out);
        }
        out = writePair(out, cents);
        if (cents % 10 == 0) {
            --out;  // no trailing zero
        }
    }
    return out;
}

}  // namespace

void appendNumberText(std::string& out, double value, std::string_view decimalSeparator) {
    // The fast way has room for any separator a locale uses.
    if (decimalSeparator.size() <= 8) {
        char text[longestNumberText + 8];
        if (char* end = writeHundredths(text, value, decimalSeparator)) {
            out.append(text, static_cast<std::size_t>(end - text));
            return;
        }
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

char* writeNumberText(char* out, double value) {
    if (char* end = writeHundredths(out, value, ".")) {
        return end;
    }
    // In fixed notation %.15G and %.15g write the same, and to_chars writes
    // %.15g in one step.
    if (const double magnitude = std::fabs(value); magnitude >= 1e-4 && magnitude < 1e15) {
        return std::to_chars(out, out + longestNumberText, value, std::chars_format::general, significantDigits).ptr;
    }
    std::string text;
    appendNumberText(text, value, ".");
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

std::string numberText(double value, std::string_view decimalSeparator) {
    std::string text;
    appendNumberText(text, value, decimalSeparator);
    return text;
}

}  // namespace zenlith
