#include "time_step.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace zenlith {

namespace {

constexpr double minutesPerDay = 1440;

bool withinFields(const CivilDateTime& when) { return when.year != 0 && std::abs(when.year) <= latestStepYear; }

// The Gregorian dates 1-10 March 1525 repeat Julian days; a month or a year
// reaching them reads the day as the Julian calendar would have gone on.
CivilDateTime pastTheRepeatedDays(CivilDateTime when) {
    if (when.year == 1525 && when.month == 3 && when.day <= 10) when.day += 10;
    return when;
}

CivilDateTime daysAfter(const CivilDateTime& from, long long days) {
    const double midnight = julianDateOf({from.year, from.month, from.day, 0, 0});
    CivilDateTime to = civilDateTimeOf(midnight + static_cast<double>(days));
    if (!isValidCivilDateTime(to)) {  // a leap day the calendar does not name
        to = civilDateTimeOf(midnight + static_cast<double>(days + (days < 0 ? -1 : 1)));
    }
    return {to.year, to.month, to.day, from.hour, from.minute, from.second};
}

// The clock's time at an instant, to the minute. Steps land on whole minutes,
// as the clock's changes do: the rules are asked a little after the instant,
// so that a sum that falls a rounding error short of a change is not read
// on the clock before it.
LocalTime clockAt(const ClockRules& rules, double instant) {
    constexpr double tenthOfSecond = 0.1 / 86400;
    LocalTime local = localTimeOf(rules, instant + tenthOfSecond);
    local.clock = toNearestMinute(local.clock);
    return local;
}

}  // namespace

CivilDateTime monthsAfter(const CivilDateTime& from, long long months) {
    const long long monthIndex = static_cast<long long>(from.year) * 12 + (from.month - 1) + months;
    const long long year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    CivilDateTime to = from;
    to.year = static_cast<int>(std::clamp<long long>(year, -1000000, 1000000));
    to.month = static_cast<int>(monthIndex - year * 12) + 1;
    to.day = std::min(to.day, daysInMonth(to.year, to.month));
    return pastTheRepeatedDays(to);
}

std::optional<LocalTime> stepped(const ClockRules& rules, const LocalTime& from, StepUnit unit, long long count) {
    if (!isValidCivilDateTime(from.clock)) return std::nullopt;
    const double start = universalTimeOf(rules, from.clock, from.summer);
    // 24:00 as the next day's 00:00.
    const CivilDateTime wall = from.clock.hour == 24 ? civilDateTimeOf(julianDateOf(from.clock)) : from.clock;
    std::optional<double> instant;
    switch (unit) {
        case StepUnit::minute: instant = start + static_cast<double>(count) / minutesPerDay; break;
        case StepUnit::hour: instant = start + static_cast<double>(count) / 24; break;
        case StepUnit::day: instant = universalTimeOf(rules, daysAfter(wall, count)); break;
        case StepUnit::month: instant = universalTimeOf(rules, monthsAfter(wall, count)); break;
        case StepUnit::year: instant = universalTimeOf(rules, monthsAfter(wall, 12 * count)); break;
    }
    if (!instant) return std::nullopt;
    LocalTime to = clockAt(rules, *instant);
    if (!isValidCivilDateTime(to.clock)) {  // within a leap day the calendar does not name: pass it
        to = clockAt(rules, *instant + (count < 0 ? -1 : 1));
    }
    if (!withinFields(to.clock)) return std::nullopt;
    return to;
}

}  // namespace zenlith
