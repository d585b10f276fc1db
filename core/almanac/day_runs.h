#pragma once
// The runs of days the month's table shows: a civil month, or the civil days
// that a Hebrew month covers (by the Hebrew date of their daylight), and the
// run before or after either.
#include <optional>

#include "civil_date.h"

namespace zenlith {

enum class MonthKind { civil, hebrew };

struct DayRun {
    CivilDateTime first;  // at 00:00
    int dayCount = 0;
    friend bool operator==(const DayRun&, const DayRun&) = default;
};

// The month of the given kind that holds the civil day; nothing for a day
// outside the calendars.
std::optional<DayRun> monthAround(MonthKind kind, const CivilDateTime& day);

// The month of the same kind before (steps < 0) or after (steps > 0).
std::optional<DayRun> monthStepped(MonthKind kind, const DayRun& run, int steps);

}  // namespace zenlith
