// The reading rule: a small scanner over the text that collects the number's
// characters (blanks dropped wherever they stand) and converts them once, so
// the result is the correctly rounded value of what was typed.
#include "reading_rule.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>

#include "entered_text.h"

namespace zenlith {

namespace {

// Exponents beyond this are out of double range anyway; capping keeps the
// collected text short whatever the user pastes.
constexpr int exponentCap = 100000;

class Scanner {
public:
    explicit Scanner(std::string_view text) : text_(text) {}

    // The next character that is neither a blank nor an invisible format
    // character, without consuming it; 0 at end.
    char peek() {
        while (pos_ < text_.size()) {
            if (isBlank(text_[pos_])) {
                ++pos_;
            } else if (const std::size_t format = formatCharacterLengthAt(text_, pos_)) {
                pos_ += format;
            } else {
                break;
            }
        }
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void advance() { ++pos_; }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
    std::string_view text_;
    std::size_t pos_ = 0;
};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether digits-with-point times ten to the exponent is at least one: tells
// an overflow from an underflow when the conversion reports either.
bool isAtLeastOne(const std::string& mantissa, int exponent) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_not_of("0.");
    if (first == std::string::npos) {
        return false;
    }
    const long long magnitude = first < point ? static_cast<long long>(point - first)
                                              : -static_cast<long long>(first - point - 1);
    return magnitude + exponent > 0;
}

int digitValue(char c, int radix) {
    int value = -1;
    if (isDigit(c)) {
        value = c - '0';
    } else if (c >= 'a' && c <= 'f') {
        value = c - 'a' + 10;
    } else if (c >= 'A' && c <= 'F') {
        value = c - 'A' + 10;
    }
    return value < radix ? value : -1;
}

std::optional<double> readRadix(Scanner& in, int radix) {
    if (digitValue(in.peek(), radix) < 0) {
        return std::nullopt;
    }
    double value = 0;
    for (int digit = digitValue(in.peek(), radix); digit >= 0; digit = digitValue(in.peek(), radix)) {
        value = value * radix + digit;
        in.advance();
    }
    return value;
}

// An optional sign; true when it is a minus.
bool readSign(Scanner& in) {
    const char c = in.peek();
    if (c != '+' && c != '-') {
        return false;
    }
    in.advance();
    return c == '-';
}

// Optional sign and digits of an exponent, saturated at the cap.
int readExponent(Scanner& in) {
    const bool negative = readSign(in);
    int exponent = 0;
    while (isDigit(in.peek())) {
        exponent = std::min(exponentCap, exponent * 10 + (in.peek() - '0'));
        in.advance();
    }
    return negative ? -exponent : exponent;
}

std::optional<double> readDecimal(Scanner& in) {
    std::string mantissa;
    const bool negative = readSign(in);
    bool seenPoint = false;
    bool seenDigit = false;
    for (char c = in.peek(); isDigit(c) || (c == '.' && !seenPoint); c = in.peek()) {
        seenPoint = seenPoint || c == '.';
        seenDigit = seenDigit || isDigit(c);
        mantissa += c;
        in.advance();
    }
    if (!seenDigit) {
        return std::nullopt;
    }
    int exponent = 0;
    const char marker = in.peek();
    if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
        in.advance();
        exponent = readExponent(in);
    }
    const std::string number = mantissa + "e" + std::to_string(exponent);
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when it overflows or underflows.
        value = isAtLeastOne(mantissa, exponent) ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

}  // namespace

std::optional<double> readLeadingNumber(std::string_view text) {
    Scanner in(text);
    if (in.peek() == '&') {
        in.advance();
        const char kind = in.peek();
        if (kind == 'h' || kind == 'H' || kind == 'o' || kind == 'O') {
            in.advance();
            return readRadix(in, kind == 'h' || kind == 'H' ? 16 : 8);
        }
        return std::nullopt;
    }
    return readDecimal(in);
}

double readNumber(std::string_view text) {
    return readLeadingNumber(text).value_or(0);
}

}  // namespace zenlith
