#pragma once
// An instant as the site's civil clock shows it, rounded to the minute, and
// whether that clock is then on summer time: a time in the hour that repeats
// in autumn is told apart only by that.
#include <string>

#include "civil_date.h"
#include "clock_rules.h"

namespace zenlith {

struct LocalTime {
    CivilDateTime clock;
    bool summer = false;
};

LocalTime localTimeOf(const ClockRules& rules, double julianDate);

// "HH:MM".
std::string clockText(const LocalTime& time);
// "YYYY-MM-DD HH:MM".
std::string dateAndClockText(const LocalTime& time);

// A span of time as "H:MM", rounded to the minute.
std::string durationText(double days);

}  // namespace zenlith
