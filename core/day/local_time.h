#pragma once
// Times of the site's civil clock as text.
#include <string>

#include "summer_time.h"

namespace zenlith {

// "HH:MM", to the nearest minute but never past 23:59, so that a time is
// always read under its own day.
std::string clockText(const LocalTime& time);
// "YYYY-MM-DD HH:MM", the same way.
std::string dateAndClockText(const LocalTime& time);
// "21.06.2024": how the window writes a civil date to a person.
std::string civilDateText(int year, int month, int day);

// A span of time as "H:MM", rounded to the minute.
std::string durationText(double days);
// ISO 8601 with seconds and the offset in force: "2026-10-25T01:31:07+03:00";
// an offset with seconds (local mean time) is written "+02:20:54".
std::string isoTimeText(const ClockRules& rules, double julianDate);

}  // namespace zenlith
