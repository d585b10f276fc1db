#pragma once
// Numbers in Hebrew letters, as dates are written: hundreds, tens and units
// from the largest letter down, 15 and 16 as 9+6 and 9+7, a geresh after a
// single letter and gershayim before the last of several ("ט״ו", "א׳").
#include <string>

namespace zenlith {

// For 1..999; empty otherwise.
std::string hebrewNumeral(int number);

}  // namespace zenlith
