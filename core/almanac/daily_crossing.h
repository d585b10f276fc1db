#pragma once
// An event that comes back about once a day (a rise, a set, the Sun at a
// depth), followed from one day to the next. The instants of the days before
// foretell the next closely, so a short bracket around the forecast stands in
// for the day's hourly samples; where the forecast misses, the whole day is
// searched. Either way the one search finds it.
#include <optional>

#include "day_events.h"
#include "time_search.h"

namespace zenlith {

class DailyCrossing {
public:
    // lateness: how much later than a day after the last one the event
    // usually comes, in days (none for the Sun, about 50 minutes for the Moon).
    DailyCrossing(TimeFunction f, Crossing crossing, double latenessDays);

    // The first crossing in the day, if any. Days are asked in order.
    std::optional<double> findIn(const DaySpan& day);

private:
    std::optional<double> forecastIn(const DaySpan& day) const;

    TimeFunction f_;
    Crossing crossing_;
    double latenessDays_;
    std::optional<double> last_;         // on the day before
    std::optional<double> beforeLast_;   // on the day before that
};

}  // namespace zenlith
