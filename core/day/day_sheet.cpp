#include "day_sheet.h"

#include "horizon.h"
#include "summer_time.h"

namespace zenlith {

namespace {

constexpr double phaseReach = 35;  // days either side of the day

}  // namespace

std::optional<DaySheet> daySheetFor(SkyModel& model, const ClockRules& rules, int year, int month, int day,
                                    bool dipForHeight) {
    const CivilDateTime midnight{year, month, day, 0, 0};
    const std::optional<double> start = universalTimeOf(rules, midnight);
    const std::optional<double> end = universalTimeOf(rules, {year, month, day, 24, 0});
    if (!start || !end || !model.covers(*start - phaseReach) || !model.covers(*end + phaseReach)) {
        return std::nullopt;
    }
    const double dip = dipForHeight ? horizonDip(model.place().heightMetres) : 0;
    DaySheet sheet{year,         month, day, model.kind(), model.place(), dip > 0, {*start, *end},
                   findDayEvents(model, {*start, *end}, dip), {}, {}};
    sheet.hebrewBeforeSunset = hebrewDateOf(year, month, day);
    const CivilDateTime tomorrow = civilDateTimeOf(julianDateOf(midnight) + 1);
    sheet.hebrewAfterSunset = hebrewDateOf(tomorrow.year, tomorrow.month, tomorrow.day);
    return sheet;
}

}  // namespace zenlith
