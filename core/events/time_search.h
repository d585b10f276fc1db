#pragma once
// The one search every event goes through: an event is the instant where a
// function of time crosses zero. The span is sampled at a fixed step to
// bracket each sign change, and each bracket is narrowed by false position
// (Illinois variant, falling back to halving) until it is shorter than the
// tolerance. Instants are Julian dates in universal time.
#include <functional>
#include <vector>

namespace zenlith {

using TimeFunction = std::function<double(double julianDate)>;

enum class Crossing { upward, downward };

struct Zero {
    double julianDate = 0;
    Crossing crossing = Crossing::upward;
};

struct SearchSpan {
    double start = 0;      // Julian date
    double end = 0;        // Julian date, after start
    double step = 0;       // days; short enough that no two zeros share one
    double tolerance = 0;  // days
};

// Every sign change of f in the span, in time order. A zero at a sample
// counts once; a crossing exactly at the span's end belongs to the next span.
std::vector<Zero> findZeros(const TimeFunction& f, const SearchSpan& span);

// The zeros of f in the span that cross the given way, in time order.
std::vector<Zero> findZeros(const TimeFunction& f, const SearchSpan& span, Crossing only);

}  // namespace zenlith
