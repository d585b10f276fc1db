#pragma once
// Everything the day's-events window shows for one civil day at the model's
// place: the events found on the model, in the place's civil time, and the
// Hebrew date on either side of the place's sunset, the day's festivals and, when asked for, its
// halachic times.
#include <optional>

#include "civil_date.h"
#include "clock_rules.h"
#include "day_events.h"
#include "day_zmanim.h"
#include "hebrew_calendar.h"
#include "hebrew_holidays.h"

namespace zenlith {

struct DaySheet {
    int year = 0, month = 0, day = 0;
    ModelKind model = ModelKind::classic;
    DaySpan span;
    DayEvents events;
    std::optional<HebrewDate> hebrewBeforeSunset;  // the Hebrew day of the civil day's daylight
    std::optional<HebrewDate> hebrewAfterSunset;   // the one that begins at sunset
    std::optional<HebrewCalendarDay> hebrewDay;    // festivals and fasts, and the evening's candles or havdalah
    std::optional<DayZmanim> zmanim;               // only when asked for
    Place place;                                   // the model's
    bool horizonDipped = false;  // rises and sets on the horizon lowered for the height
};

// Nothing for a day that is not in the calendar, or that the model does not
// cover; near the ends of the model's years the phases it covers.
// With dipForHeight, rises and sets come on the horizon lowered for the
// place's height; otherwise on the sea-level horizon, as almanacs print them.
// With zmanim, the day's halachic times too, found on the same positions.
std::optional<DaySheet> daySheetFor(SkyModel& model, const ClockRules& rules, int year, int month, int day,
                                    bool dipForHeight = false,
                                    const std::optional<ZmanimChoices>& zmanim = std::nullopt);

}  // namespace zenlith
