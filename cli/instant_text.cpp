#include "instant_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <string>

#include "entered_text.h"

namespace zenlith::cli {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads minDigits..maxDigits digits from the front of text.
std::optional<int> takeNumber(std::string_view& text, std::size_t minDigits, std::size_t maxDigits) {
    std::size_t length = 0;
    while (length < text.size() && isDigit(text[length])) {
        ++length;
    }
    if (length < minDigits || length > maxDigits) {
        return std::nullopt;
    }
    int value = 0;
    std::from_chars(text.data(), text.data() + length, value);
    text.remove_prefix(length);
    return value;
}

bool takeChar(std::string_view& text, char expected) {
    if (text.empty() || text.front() != expected) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

void appendPadded(std::string& out, int value, int width) {
    char digits[12];
    const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    out.append(static_cast<std::size_t>(std::max<long>(0, width - (end - digits))), '0');
    out.append(digits, end);
}

}  // namespace

std::optional<CivilDateTime> parseInstant(std::string_view typed) {
    // As the window's fields read it: other scripts' digits, no direction marks.
    const std::string cleaned = cleanEnteredText(typed);
    std::string_view text = trimmed(cleaned);
    const bool negative = takeChar(text, '-');
    // Six digits let years beyond the window's range reach its refusal.
    const auto year = takeNumber(text, 1, 6);
    if (!year || !takeChar(text, '-')) return std::nullopt;
    const auto month = takeNumber(text, 1, 2);
    if (!month || !takeChar(text, '-')) return std::nullopt;
    const auto day = takeNumber(text, 1, 2);
    if (!day) return std::nullopt;
    CivilDateTime when{negative ? -*year : *year, *month, *day, 0, 0};
    if (text.empty()) return when;
    if (!takeChar(text, 'T')) {
        if (!takeChar(text, ' ')) return std::nullopt;
        while (takeChar(text, ' ')) {
        }
    }
    const auto hour = takeNumber(text, 1, 2);
    if (!hour || !takeChar(text, ':')) return std::nullopt;
    const auto minute = takeNumber(text, 1, 2);
    if (!minute || !text.empty()) return std::nullopt;
    when.hour = *hour;
    when.minute = *minute;
    return when;
}

void appendInstantText(std::string& out, const CivilDateTime& when) {
    if (when.year < 0) out += '-';
    appendPadded(out, std::abs(when.year), 4);
    out += '-';
    appendPadded(out, when.month, 2);
    out += '-';
    appendPadded(out, when.day, 2);
    out += ' ';
    appendPadded(out, when.hour, 2);
    out += ':';
    appendPadded(out, when.minute, 2);
}

}  // namespace zenlith::cli
