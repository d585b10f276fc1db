#pragma once
// What every front end holds to compute: the engine whose cells live from one
// computation to the next, and the models it can place the bodies with.
#include <string_view>

#include "classic_sky_model.h"
#include "compute_action.h"
#include "engine.h"

namespace zenlith {

class SkyCalculator {
public:
    SkyCalculator() = default;
    SkyCalculator(const SkyCalculator&) = delete;
    SkyCalculator& operator=(const SkyCalculator&) = delete;

    ComputeOutcome compute(const FieldTexts& fields, std::string_view decimalSeparator) {
        return runComputeAction(engine_, classic_, fields, decimalSeparator);
    }

    // The same action's figures, without the report's text or the chart.
    PlacementOutcome place(const FieldTexts& fields) { return placeBodies(engine_, classic_, fields); }

private:
    Engine engine_;
    ClassicSkyModel classic_{engine_};
};

}  // namespace zenlith
