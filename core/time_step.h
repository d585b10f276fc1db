#pragma once
// Moving the entered civil time by whole minutes, hours, days, months or
// years, carried through the calendar as a wall calendar does: 23:30 and one
// hour is 00:30 of the next day; 31 January and one month is the last day of
// February. 24:00 counts as 00:00 of the next day.
#include <optional>

#include "civil_date.h"

namespace zenlith {

enum class StepUnit { minute, hour, day, month, year };

// The years the fields take for a date: -9998..9998 without 0, which reads
// as no year.
inline constexpr int latestStepYear = 9998;

// Nothing when the result leaves the years the fields take.
std::optional<CivilDateTime> stepped(const CivilDateTime& from, StepUnit unit, int count);

}  // namespace zenlith
