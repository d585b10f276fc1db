#pragma once
// Text to number, the way every field of the window is read: the number the
// text begins with, 0 when it begins with none.
//  - blanks, tabs and line feeds, and invisible format characters (Unicode
//    category Cf), are skipped wherever they stand;
//  - optional sign, digits with at most one full stop, optional exponent
//    (E or D, optional sign, digits);
//  - &H and &O introduce hexadecimal and octal whole numbers;
//  - reading stops at the first character that does not fit.
// The result may be infinite when the text's number exceeds double range;
// callers that store it in a narrower cell must check.
#include <optional>
#include <string_view>

namespace zenlith {

double readNumber(std::string_view text);

// The same, but nothing when the text does not begin with a number.
std::optional<double> readLeadingNumber(std::string_view text);

}  // namespace zenlith
