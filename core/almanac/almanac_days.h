#pragma once
// The month's table: for each day of a run of civil days, the Hebrew date,
// the Sun's rise and set, the twilights, the Moon's rise and set, its
// illumination at midnight and the phases that fall on the day, in the order
// of the days. Instants are Julian dates in universal time.
#include <array>
#include <optional>
#include <vector>

#include "civil_date.h"
#include "clock_rules.h"
#include "day_events.h"
#include "day_runs.h"
#include "day_zmanim.h"
#include "hebrew_holidays.h"

namespace zenlith {

struct AlmanacDay {
    CivilDateTime date;                // at 00:00
    int weekday = 0;                   // 0 Sunday .. 6 Saturday
    DaySpan span;                      // local midnight to midnight
    std::optional<HebrewCalendarDay> hebrew;  // the Hebrew day of the civil day's daylight, its festivals and fasts
    std::optional<double> sunrise;
    std::optional<double> sunset;
    std::array<Twilight, twilightCount> twilights;
    std::optional<double> moonrise;
    std::optional<double> moonset;
    double moonIlluminationPercent = 0;  // at the midnight that opens the day
    std::vector<PhaseEvent> phases;      // those in the day
    std::optional<DayZmanim> zmanim;     // only when asked for
};

// Nothing for a run that leaves the calendar, or that the model does not
// cover with a month to spare either side.
// With choices, the day's halachic times too.
std::optional<std::vector<AlmanacDay>> almanacDays(SkyModel& model, const ClockRules& rules, const DayRun& run,
                                                   const std::optional<ZmanimChoices>& zmanim = std::nullopt);

// Shabbat or a festival.
inline bool isSetApart(const AlmanacDay& day) { return day.hebrew ? day.hebrew->restDay : day.weekday == 6; }

// The days of a civil month.
std::optional<std::vector<AlmanacDay>> almanacMonth(SkyModel& model, const ClockRules& rules, int year, int month,
                                                    const std::optional<ZmanimChoices>& zmanim = std::nullopt);

}  // namespace zenlith
