#pragma once
// Whether summer time is in force at a civil date and time of the site, as
// the clock rules say. Two kinds of hour need a decision:
// - the hour skipped in spring (02:00 to 03:00 jumps to 03:00): such a time is
//   read as the clock still on winter time reads it, so summer time is not in
//   force: the same instant a clock moved forward past the gap would show;
// - the hour that repeats in autumn: its first pass, on summer time, is taken;
//   the user can untick the box for the second.
#include <optional>

#include "civil_date.h"
#include "clock_rules.h"

namespace zenlith {

// An instant as the site's civil clock shows it, to the second, and whether
// that clock is then on summer time: a time in the hour that repeats in
// autumn is told apart only by that.
struct LocalTime {
    CivilDateTime clock;  // to the second
    bool summer = false;
    double reading = 0;   // the clock's reading as a Julian date, unrounded
};

LocalTime localTimeOf(const ClockRules& rules, double julianDate);

// The instant a clock reading stands for when the summer-time box says
// which pass it is; a box set against the rules moves the reading by the
// hour it claims.
double universalTimeOf(const ClockRules& rules, const CivilDateTime& local, bool summer);

// Nothing for a date or time that does not exist in the calendar.
std::optional<bool> summerTimeAt(const ClockRules& rules, const CivilDateTime& local);

// The universal time of a civil time of the site, by the same decisions.
std::optional<double> universalTimeOf(const ClockRules& rules, const CivilDateTime& local);

// The same for a clock reading given as a Julian date, whatever calendar
// named it.
double universalTimeOfReading(const ClockRules& rules, double localReading);

}  // namespace zenlith
