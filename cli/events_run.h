#pragma once
// zenlith-ephemeris --events: the day's events, as the events window shows
// them, for each date named on the command line, one day after another.
#include <ostream>
#include <string_view>

#include "day_sheet.h"
#include "ephemeris_run.h"

namespace zenlith::cli {

// The halachic times asked for, with the place's custom where no minutes are given.
std::optional<ZmanimChoices> zmanimChoicesOf(const Options& options, const Place& place);

// The exit status; every problem is one line on errors.
int runDayEvents(const Options& options, const RunSettings& settings, std::ostream& errors);

// The date's line of JSON: its date, then the day's events, then the members
// given (written as they are, without a leading comma).
void appendDayJsonLine(std::string& out, const CivilDateTime& day, const DaySheet& sheet, const ClockRules& rules,
                       std::string_view more = {});

}  // namespace zenlith::cli
