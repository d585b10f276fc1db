#include "day_runs.h"

#include "hebrew_calendar.h"

namespace zenlith {

namespace {

CivilDateTime daysAfter(const CivilDateTime& day, int days) { return civilDateTimeOf(julianDateOf(day) + days); }

std::optional<DayRun> hebrewMonthAround(const CivilDateTime& day) {
    const std::optional<HebrewDate> hebrew = hebrewDateOf(day.year, day.month, day.day);
    if (!hebrew) {
        return std::nullopt;
    }
    const CivilDateTime first = daysAfter(day, 1 - hebrew->day);
    // A Hebrew month has 29 or 30 days.
    const CivilDateTime thirtieth = daysAfter(first, 29);
    const std::optional<HebrewDate> last = hebrewDateOf(thirtieth.year, thirtieth.month, thirtieth.day);
    return DayRun{first, last && last->month == hebrew->month ? 30 : 29};
}

}  // namespace

std::optional<DayRun> monthAround(MonthKind kind, const CivilDateTime& day) {
    const CivilDateTime midnight{day.year, day.month, day.day, 0, 0};
    if (!isValidCivilDateTime(midnight)) {
        return std::nullopt;
    }
    if (kind == MonthKind::hebrew) {
        return hebrewMonthAround(midnight);
    }
    return DayRun{{day.year, day.month, 1, 0, 0}, daysInMonth(day.year, day.month)};
}

std::optional<DayRun> monthStepped(MonthKind kind, const DayRun& run, int steps) {
    std::optional<DayRun> stepped = run;
    for (; stepped && steps < 0; ++steps) stepped = monthAround(kind, daysAfter(stepped->first, -1));
    for (; stepped && steps > 0; --steps) stepped = monthAround(kind, daysAfter(stepped->first, stepped->dayCount));
    return stepped;
}

}  // namespace zenlith
