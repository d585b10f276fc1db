#include "field_rules.h"

#include <optional>

#include "field_cells.h"
#include "reading_rule.h"

namespace zenlith::field_rules {

namespace {

constexpr Judgement refusal{0, true};

std::optional<float> readSingle(std::string_view text) {
    return toSingleCell(readNumber(text));
}

bool wholeBetween(float value, float lowExclusive, float highExclusive) {
    return isWholeSingle(value) && value > lowExclusive && value < highExclusive;
}

// Month and day: a whole number from 1 up to, not including, the bound.
Judgement judgeCount(std::string_view text, bool enabled, float bound) {
    const auto value = readSingle(text);
    if (!value || (enabled && !wholeBetween(*value, 0, bound))) return refusal;
    return {*value, false};
}

bool indexWithin(int listIndex, int entries) {
    return listIndex >= 0 && listIndex < entries;
}

}  // namespace

float readField(std::string_view text) {
    return readSingle(text).value_or(0);
}

Judgement judgeYear(std::string_view text) {
    const auto year = readSingle(text);
    if (!year || !wholeBetween(*year, -9999, 9999)) return refusal;
    return {*year, false};
}

Judgement judgeMonth(std::string_view text, bool enabled) {
    return judgeCount(text, enabled, 13);
}

Judgement judgeDay(std::string_view text, bool enabled) {
    return judgeCount(text, enabled, 32);
}

Judgement judgeHour(std::string_view text) {
    const auto hour = readSingle(text);
    if (!hour || !readLeadingNumber(text) || !isWholeSingle(*hour) || *hour < 0 || *hour > lastHour) return refusal;
    return {*hour, false};
}

Judgement judgeMinute(std::string_view text, bool enabled) {
    const auto minute = readSingle(text);
    if (!minute) return refusal;
    if (enabled && !text.empty() && !readLeadingNumber(text)) return refusal;
    if (enabled && *minute != 0 && !wholeBetween(*minute, 0, 60)) return refusal;
    return {*minute, false};
}

bool monthPickEnablesDay(int listIndex) {
    return indexWithin(listIndex, 12);
}

bool dayPickEnablesHour(int listIndex) {
    return indexWithin(listIndex, 31);
}

}  // namespace zenlith::field_rules
