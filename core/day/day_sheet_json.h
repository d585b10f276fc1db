#pragma once
// One day's events as a line of JSON, for the probe and the command line:
// Hebrew dates, every body's rise, culmination and set, the twilights and the
// phases, in the site's civil time.
#include <string>

#include "day_sheet.h"

namespace zenlith {

void appendDaySheetJson(std::string& out, const DaySheet& sheet, const ClockRules& rules);

}  // namespace zenlith
