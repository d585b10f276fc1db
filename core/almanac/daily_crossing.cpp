#include "daily_crossing.h"

#include <algorithm>
#include <utility>

namespace zenlith {

namespace {

constexpr double hourlyStep = 1.0 / 24;
constexpr double tolerance = 1.0 / 86400;  // one second
// Half the bracket around a forecast from two days (their trend carries on
// within minutes) and from one day (only the usual lateness is known).
constexpr double trendHalfWidth = 12.0 / 1440;
constexpr double lastDayHalfWidth = 45.0 / 1440;

}  // namespace

DailyCrossing::DailyCrossing(TimeFunction f, Crossing crossing, double latenessDays)
    : f_(std::move(f)), crossing_(crossing), latenessDays_(latenessDays) {}

std::optional<double> DailyCrossing::forecastIn(const DaySpan& day) const {
    if (!last_) {
        return std::nullopt;
    }
    const double centre = beforeLast_ ? 2 * *last_ - *beforeLast_ : *last_ + 1 + latenessDays_;
    const double halfWidth = beforeLast_ ? trendHalfWidth : lastDayHalfWidth;
    const double from = std::max(day.start, centre - halfWidth);
    const double to = std::min(day.end, centre + halfWidth);
    if (!(to > from)) {
        return std::nullopt;
    }
    const std::vector<Zero> zeros = findZeros(f_, {from, to, to - from, tolerance}, crossing_);
    return zeros.empty() ? std::nullopt : std::optional(zeros.front().julianDate);
}

std::optional<double> DailyCrossing::findIn(const DaySpan& day) {
    std::optional<double> found = forecastIn(day);
    if (!found) {
        const std::vector<Zero> zeros = findZeros(f_, {day.start, day.end, hourlyStep, tolerance}, crossing_);
        if (!zeros.empty()) {
            found = zeros.front().julianDate;
        }
    }
    beforeLast_ = found ? last_ : std::nullopt;
    last_ = found;
    return found;
}

}  // namespace zenlith
