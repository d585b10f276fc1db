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

    // Where the days are seen from; the original site until told otherwise.
    void standAt(const Place& place) {
        classic_.standAt(place);
        precise_.standAt(place);
    }
    // Rises and sets on the horizon lowered for the place's height, or on the sea-level one.
    void dipForHeight(bool dip) { dipForHeight_ = dip; }

    // With zmanim, the day's halachic times too.
    std::optional<DaySheet> sheetFor(ModelKind model, const ClockRules& rules, int year, int month, int day,
                                     const std::optional<ZmanimChoices>& zmanim = std::nullopt);

private:
    SkyModel& modelOf(ModelKind model);

    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
    bool dipForHeight_ = false;
};

}  // namespace zenlith
