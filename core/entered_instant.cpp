#include "entered_instant.h"

#include <cmath>

#include "field_cells.h"
#include "reading_rule.h"

namespace zenlith {

namespace {

// Whole values only: the fields' cells hold no larger ones than 9999.
std::optional<int> wholeField(const std::string& text) {
    const std::optional<float> value = toSingleCell(readNumber(text));
    if (!value || !isWholeSingle(*value) || std::fabs(*value) > 1e6f) return std::nullopt;
    return static_cast<int>(*value);
}

}  // namespace

std::optional<CivilDateTime> enteredCivilTime(const FieldTexts& fields) {
    const auto year = wholeField(fields.year);
    const auto month = wholeField(fields.month);
    const auto day = wholeField(fields.day);
    const auto hour = wholeField(fields.hour);
    const auto minute = toInt16Cell(readNumber(fields.minute));
    if (!year || !month || !day || !hour || !minute) return std::nullopt;
    const CivilDateTime when{*year, *month, *day, *hour, *minute};
    if (!isValidCivilDateTime(when)) return std::nullopt;
    return when;
}

}  // namespace zenlith
