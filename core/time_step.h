#pragma once
// Moving the entered civil time of the site. Minutes and hours are elapsed
// time: from 01:30 on 29 March 2024 an hour on is 03:30 summer time, and in
// the autumn the repeated hour is passed twice, once on each clock. Days,
// weeks, months and years keep the clock time on the new date, as a wall
// calendar does (31 January and one month is the last day of February); a
// time that does not exist on that day moves on by the gap, and the
// repeated hour is taken on its first pass. 24:00 counts as 00:00 of the
// next day. Dates keep to the ones the calendar names: a day after
// 28 February 1525 is 11 March 1525.
#include <optional>

#include "civil_date.h"
#include "clock_rules.h"
#include "summer_time.h"

namespace zenlith {

enum class StepUnit { minute, hour, day, month, year };

// The years the fields take for a date: -9998..9998 without 0, which reads
// as no year.
inline constexpr int latestStepYear = 9998;

// The clock time, to the minute, and whether summer time is then in force.
// Nothing when the result leaves the years the fields take.
std::optional<LocalTime> stepped(const ClockRules& rules, const LocalTime& from, StepUnit unit, long long count);

// The wall-calendar date some months after a date, the day clamped to the
// month's length; the time of day kept.
CivilDateTime monthsAfter(const CivilDateTime& from, long long months);

}  // namespace zenlith
