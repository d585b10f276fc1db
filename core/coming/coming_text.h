#pragma once
// The coming events as the window lists them, in Hebrew: each event's time on
// the site's clock, the Hebrew date of that civil day and what happens, under
// the title of its month.
#include <string>

#include "clock_rules.h"
#include "coming_event.h"
#include "local_time.h"

namespace zenlith {

struct ComingLine {
    LocalTime local;         // on the site's clock, to the minute
    std::string when;        // "2026-03-03 13:38"
    std::string hebrewDate;  // of the civil day's daylight; empty where ICU cannot tell
    std::string what;        // the event, its bodies and figures
};

ComingLine comingLine(const ComingEvent& event, const ClockRules& rules);

// "מרץ 2026".
std::string monthTitle(int year, int month);

}  // namespace zenlith
