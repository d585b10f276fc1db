#include "time_step.h"

#include <algorithm>
#include <cstdlib>

namespace zenlith {

namespace {

constexpr double minutesPerDay = 1440;

CivilDateTime byMinutes(const CivilDateTime& from, double minutes) {
    return civilDateTimeOf(julianDateOf(from) + minutes / minutesPerDay);
}

CivilDateTime byMonths(CivilDateTime when, long long months) {
    const long long monthIndex = static_cast<long long>(when.year) * 12 + (when.month - 1) + months;
    const long long year = monthIndex >= 0 ? monthIndex / 12 : (monthIndex - 11) / 12;
    when.year = static_cast<int>(std::clamp<long long>(year, -1000000, 1000000));
    when.month = static_cast<int>(monthIndex - year * 12) + 1;
    when.day = std::min(when.day, daysInMonth(when.year, when.month));
    return when;
}

bool withinFields(const CivilDateTime& when) {
    return when.year != 0 && std::abs(when.year) <= latestStepYear;
}

}  // namespace

std::optional<CivilDateTime> stepped(const CivilDateTime& from, StepUnit unit, int count) {
    if (!isValidCivilDateTime(from)) return std::nullopt;
    const CivilDateTime start = from.hour == 24 ? byMinutes(from, 0) : from;
    CivilDateTime to;
    switch (unit) {
        case StepUnit::minute: to = byMinutes(start, count); break;
        case StepUnit::hour: to = byMinutes(start, 60.0 * count); break;
        case StepUnit::day: to = byMinutes(start, minutesPerDay * count); break;
        case StepUnit::month: to = byMonths(start, count); break;
        case StepUnit::year: to = byMonths(start, 12LL * count); break;
    }
    if (!withinFields(to)) return std::nullopt;
    return to;
}

}  // namespace zenlith
