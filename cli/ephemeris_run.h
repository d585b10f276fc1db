#pragma once
// The whole run of zenlith-ephemeris after its command line is read: check
// the instants given, then stream blocks of instants through every core and
// write the rows in order.
#include <functional>
#include <memory>
#include <ostream>

#include "clock_rules.h"
#include "place.h"
#include "options.h"

namespace zenlith::cli {

struct RunSettings {
    Place place = originalSite();
    // The place's clock; one is made for every core (they are not shared).
    // It makes nothing only at the original site when the box is given.
    std::function<std::unique_ptr<ClockRules>()> makeClockRules;
    int inputFd = 0;
    bool showProgress = false;  // standard error is a terminal
};

inline constexpr int exitFailed = 1;      // a refused instant, a failed read or write
inline constexpr int exitUsage = 2;       // a mistake on the command line
inline constexpr int exitInterrupted = 130;

// The exit status; every problem is one line on errors.
int runEphemeris(const Options& options, const RunSettings& settings, std::ostream& errors);

}  // namespace zenlith::cli
