#pragma once
// A Hebrew date as people write it: day and year in Hebrew letters, the year
// without its thousands ("כ״ט באדר תשפ״ו").
#include <string>

#include "hebrew_calendar.h"

namespace zenlith {

std::string hebrewDateText(const HebrewDate& date);

// The month and year alone: "אדר תשפ״ו".
std::string hebrewMonthText(const HebrewDate& date);

}  // namespace zenlith
