#pragma once
// zenlith-ephemeris --next: the sky's coming events over a span, one row or
// JSON object per event, in time order, on the site's clock.
#include <ostream>

#include "ephemeris_run.h"

namespace zenlith::cli {

// The exit status; every problem is one line on errors. `nowJulianDate` is
// where the span starts when --from is not given (universal time).
int runComingEvents(const Options& options, const RunSettings& settings, double nowJulianDate, std::ostream& errors);

}  // namespace zenlith::cli
