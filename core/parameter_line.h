#pragma once
// The first printed line of the print-parameters action: the chart frame's
// caption, then the time and the date as the fields read now, each field's
// text read as a number and written back, so "05" prints as 5 and an empty
// field as 0.
#include <string>
#include <string_view>

namespace zenlith {

struct ParameterTexts {
    std::string_view frameCaption;  // Frame5's caption
    std::string_view year;          // Text1
    std::string_view month;         // Combo1
    std::string_view day;           // Combo2
    std::string_view hour;          // Combo3
    std::string_view minute;        // Combo4
};

std::string parameterLine(const ParameterTexts& texts, std::string_view decimalSeparator);

}  // namespace zenlith
