#pragma once
// The sky's coming events over a span, every kind on the precise model's
// geometry and through the one search, in time order.
#include <vector>

#include "coming_event.h"
#include "place.h"

namespace zenlith {

struct ComingSpan {
    double from = 0;  // Julian date, universal time
    double to = 0;    // Julian date, universal time; excluded
    unsigned groups = allEventGroups;  // EventGroup bits
};

// Every event of the chosen groups in the span, at the place (which only
// the eclipses depend on). Years are searched apart, on as many threads as
// given. The span must lie within the precise model's years.
std::vector<ComingEvent> findComingEvents(const Place& place, const ComingSpan& span, int threads = 1);

}  // namespace zenlith
