#pragma once
// What every view of the window follows: the instant last computed, the place
// and the model. The window's document owns one; the views read it.
#include <optional>

#include "civil_date.h"
#include "place.h"
#include "sky_model.h"

namespace zenlith {

struct SkyState {
    // The civil time at the place that was last computed, and its universal
    // time as a Julian date; nothing before the first computation or when the
    // fields held no day of the calendar.
    std::optional<CivilDateTime> entered;
    std::optional<double> instant;
    bool summerTime = false;        // the box as it was computed
    double moonIllumination = 0;    // percent, at the instant, on the model
    Place place;
    bool horizonDipped = false;     // the day's rises and sets on the horizon lowered for the height
    ModelKind model = ModelKind::classic;
};

}  // namespace zenlith
