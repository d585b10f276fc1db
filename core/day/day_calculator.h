#pragma once
// What a front end holds to find a day's events: models of its own, so that
// the searches never touch the cells of the engine the compute action keeps.
#include "classic_sky_model.h"
#include "day_sheet.h"
#include "precise_sky_model.h"

namespace zenlith {

class DayCalculator {
public:
    DayCalculator() = default;
    DayCalculator(const DayCalculator&) = delete;
    DayCalculator& operator=(const DayCalculator&) = delete;

    std::optional<DaySheet> sheetFor(ModelKind model, const ClockRules& rules, int year, int month, int day);
    // With the day's halachic times.
    std::optional<DaySheet> sheetFor(ModelKind model, const ClockRules& rules, int year, int month, int day,
                                     const ZmanimChoices& zmanim);

private:
    SkyModel& modelOf(ModelKind model);

    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
};

}  // namespace zenlith
