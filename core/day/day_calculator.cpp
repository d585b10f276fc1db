#include "day_calculator.h"

namespace zenlith {

SkyModel& DayCalculator::modelOf(ModelKind model) {
    if (model == ModelKind::precise) {
        return precise_;
    }
    return classic_;
}

std::optional<DaySheet> DayCalculator::sheetFor(ModelKind model, const ClockRules& rules, int year, int month, int day,
                                                const std::optional<ZmanimChoices>& zmanim) {
    return daySheetFor(modelOf(model), rules, year, month, day, dipForHeight_, zmanim);
}

}  // namespace zenlith
