#pragma once
// The probe's line for one day's events: Hebrew dates, every body's rise,
// culmination and set, the twilights and the phases, in the site's civil time.
#include <string>

#include "day_sheet.h"

namespace zenlith::probe {

void appendDayEventsJson(std::string& out, const DaySheet& sheet, const ClockRules& rules);

}  // namespace zenlith::probe
