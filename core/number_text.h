#pragma once
// Number to text, the general conversion used by the report and the printed
// parameters: at most 15 significant digits, no trailing zeros, no decimal
// separator for whole numbers, a leading zero below one, a minus sign for
// negatives. Very large or very small magnitudes use an exponent (1E+20).
// The decimal separator is the caller's (the window passes its locale's).
#include <cstddef>
#include <string>
#include <string_view>

namespace zenlith {

std::string numberText(double value, std::string_view decimalSeparator = ".");

// The same text, appended to out: for builders of long texts.
void appendNumberText(std::string& out, double value, std::string_view decimalSeparator);

// The same text with a full stop for the separator, written at out, which
// has room for longestNumberText characters; returns the end of the text.
// For tables that write many numbers a second.
inline constexpr std::size_t longestNumberText = 32;
char* writeNumberText(char* out, double value);

}  // namespace zenlith
