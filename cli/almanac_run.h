#pragma once
// zenlith-ephemeris --almanac: the month's table of every month asked for, a
// row a day, as aligned text, CSV or JSON Lines (a day's --events object).
#include <ostream>

#include "ephemeris_run.h"

namespace zenlith::cli {

// The exit status; every problem is one line on errors.
int runAlmanac(const Options& options, const RunSettings& settings, std::ostream& errors);

}  // namespace zenlith::cli
