#pragma once
// A figure of the geocentric sky as a function of time, handed to the one
// search over a span on a grid of whole days from its start, which every
// search of the span shares through the memo.
#include <functional>
#include <optional>
#include <vector>

#include "sky_snapshot.h"
#include "time_search.h"

namespace zenlith {

using SkyFunction = std::function<double(const SkySnapshot&)>;

struct SkySpan {
    double from = 0;  // Julian date, universal time
    double to = 0;    // Julian date, after from
};

// One day is short enough: no figure searched here crosses zero twice
// within a day (the Moon's quarters and turning points are days apart).
std::vector<Zero> skyZeros(SnapshotMemo& memo, const SkySpan& span, const SkyFunction& f);

// The instant in [from, to] at which g is least, if it turns there: the
// zero of its change across a minute, searched on the finer step given.
std::optional<double> leastOf(const TimeFunction& g, double from, double to, double stepDays);

// Where a function of time that is below zero at `least` crosses zero last
// before it and first after it, within the reach (days) either side.
struct Crossings {
    std::optional<double> before;
    std::optional<double> after;
};
Crossings crossingsAround(const TimeFunction& f, double least, double reachDays);

}  // namespace zenlith
