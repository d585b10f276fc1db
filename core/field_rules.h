#pragma once
// What the input fields' Change and Click handlers decide about a text, kept
// apart from the widgets. A field's number is read by the reading rule into a
// single-precision cell; a number beyond single-precision range (1E40, 1E400)
// is refused by every field, whatever its state, so the program never holds
// a value its cells cannot.
#include <string_view>

namespace zenlith::field_rules {

struct Judgement {
    float value = 0;  // the number read; 0 after a refusal
    bool refused = false;
};

// The number a field's text stands for, 0 when it is beyond single range.
float readField(std::string_view text);

// Whole numbers above -9999 and below 9999. The year is tested in any state.
Judgement judgeYear(std::string_view text);

// Whole numbers 1..12 and 1..31, tested only while the field is enabled.
Judgement judgeMonth(std::string_view text, bool enabled);
Judgement judgeDay(std::string_view text, bool enabled);

// A text that begins with a whole number 0..24; the empty text is refused too.
Judgement judgeHour(std::string_view text);

// Empty (minute 0), or a text that begins with 0 or a whole 1..59, tested
// only while the field is enabled.
Judgement judgeMinute(std::string_view text, bool enabled);

// A pick from the month list (12 entries) or the day list (31 entries)
// enables the next field when the index is one of the list's.
bool monthPickEnablesDay(int listIndex);
bool dayPickEnablesHour(int listIndex);

// An hour of exactly 24 sets the minutes to "00".
inline constexpr float lastHour = 24;
inline constexpr std::string_view minutesAtLastHour = "00";

}  // namespace zenlith::field_rules
