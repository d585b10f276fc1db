#include "day_sheet.h"

#include "horizon.h"
#include "summer_time.h"

namespace zenlith {

std::optional<DaySheet> daySheetFor(SkyModel& model, const ClockRules& rules, int year, int month, int day,
                                    bool dipForHeight, const std::optional<ZmanimChoices>& zmanim) {
    const CivilDateTime midnight{year, month, day, 0, 0};
    const std::optional<double> start = universalTimeOf(rules, midnight);
    const std::optional<double> end = universalTimeOf(rules, {year, month, day, 24, 0});
    if (!start || !end || !model.covers(*start) || !model.covers(*end)) {
        return std::nullopt;
    }
    PlacesMemo places(model);
    const DaySpan span{*start, *end};
    const double dip = dipForHeight ? horizonDip(model.place().heightMetres) : 0;
    DaySheet sheet{year, month, day, model.kind(), span, findDayEvents(places, span, dip), {}, {}, {}, {},
                   model.place(), dip > 0};
    sheet.hebrewBeforeSunset = hebrewDateOf(year, month, day);
    const CivilDateTime tomorrow = civilDateTimeOf(julianDateOf(midnight) + 1);
    sheet.hebrewAfterSunset = hebrewDateOf(tomorrow.year, tomorrow.month, tomorrow.day);
    sheet.hebrewDay = hebrewCalendarDayOfCivilDate(year, month, day);
    if (zmanim && sheet.hebrewDay) {
        sheet.zmanim = findDayZmanim(places, span, sheet.events.bodies[sunIndex], sheet.hebrewDay->evening, *zmanim);
    }
    return sheet;
}

}  // namespace zenlith
