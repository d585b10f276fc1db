#include "day_sheet.h"

#include "summer_time.h"

namespace zenlith {

std::optional<DaySheet> daySheetFor(SkyModel& model, const ClockRules& rules, int year, int month, int day) {
    const CivilDateTime midnight{year, month, day, 0, 0};
    const std::optional<double> start = universalTimeOf(rules, midnight);
    const std::optional<double> end = universalTimeOf(rules, {year, month, day, 24, 0});
    if (!start || !end || !model.covers(*start) || !model.covers(*end)) {
        return std::nullopt;
    }
    DaySheet sheet{year, month, day, model.kind(), {*start, *end}, findDayEvents(model, {*start, *end}), {}, {}};
    sheet.hebrewBeforeSunset = hebrewDateOf(year, month, day);
    const CivilDateTime tomorrow = civilDateTimeOf(julianDateOf(midnight) + 1);
    sheet.hebrewAfterSunset = hebrewDateOf(tomorrow.year, tomorrow.month, tomorrow.day);
    return sheet;
}

}  // namespace zenlith
