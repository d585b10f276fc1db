#include "day_calculator.h"

namespace zenlith {

std::optional<DaySheet> DayCalculator::sheetFor(ModelKind model, const ClockRules& rules, int year, int month,
                                                int day) {
    if (model == ModelKind::precise) {
        return daySheetFor(precise_, rules, year, month, day, dipForHeight_);
    }
    return daySheetFor(classic_, rules, year, month, day, dipForHeight_);
}

}  // namespace zenlith
