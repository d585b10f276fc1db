#pragma once
// What every front end holds to compute: the engine whose cells live from one
// computation to the next, and the models it can place the bodies with.
#include <string_view>

#include "clock_rules.h"
#include "classic_sky_model.h"
#include "compute_action.h"
#include "engine.h"
#include "precise_sky_model.h"

namespace zenlith {

class SkyCalculator {
public:
    explicit SkyCalculator(ModelKind kind = ModelKind::classic) : chosen_(kind) {}
    SkyCalculator(const SkyCalculator&) = delete;
    SkyCalculator& operator=(const SkyCalculator&) = delete;

    void choose(ModelKind kind) { chosen_ = kind; }

    // The place the bodies are seen from, and the clock its dates are read on.
    void standAt(const Place& place, const ClockRules& clock) {
        classic_.standAt(place);
        precise_.standAt(place);
        constexpr double secondsPerHour = 3600;
        engine_.site.winterZoneHours = clock.standardOffsetSeconds() / secondsPerHour;
        engine_.site.summerZoneHours = clock.summerOffsetSeconds() / secondsPerHour;
    }
    const Place& place() const { return classic_.place(); }
    ModelKind chosen() const { return chosen_; }

    ComputeOutcome compute(const FieldTexts& fields, std::string_view decimalSeparator) {
        return runComputeAction(engine_, model(), fields, decimalSeparator);
    }

    // The same action's figures, without the report's text or the chart.
    PlacementOutcome place(const FieldTexts& fields) { return placeBodies(engine_, model(), fields); }

private:
    SkyModel& model() {
        if (chosen_ == ModelKind::precise) {
            return precise_;
        }
        return classic_;
    }

    ModelKind chosen_;
    Engine engine_;
    ClassicSkyModel classic_{engine_};
    PreciseSkyModel precise_;
};

}  // namespace zenlith
