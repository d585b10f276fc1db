#include "moon_phases.h"

#include <cmath>
#include <optional>
#include <utility>

#include "time_search.h"

namespace zenlith {

namespace {

constexpr double synodicMonth = 29.530589;         // days
constexpr double meanRate = 360 / synodicMonth;    // degrees of elongation per day
// The true Moon runs up to about 0.7 days ahead of or behind the mean one.
constexpr double margin = 2;                       // days
constexpr double tolerance = 1.0 / 86400;          // one second

double wrapped(double degrees) { return degrees - 360 * std::round(degrees / 360); }

double phaseAngle(MoonPhase phase) { return 90.0 * static_cast<int>(phase); }

// The instants in [from, to] at which the elongation passes the phase's
// angle. Within a few days of it the elongation climbs steadily, so a span
// of that size needs no samples inside; a longer one is sampled daily.
std::vector<Zero> passages(PlacesMemo& places, MoonPhase phase, double from, double to) {
    const double angle = phaseAngle(phase);
    const TimeFunction beyond = [&](double t) { return wrapped(places.at(t).moon.elongation - angle); };
    const double step = to - from <= 2 * margin ? 2 * margin : 1;
    return findZeros(beyond, {from, to, step, tolerance}, Crossing::upward);
}

// Around the mean Moon's estimate first, then over a whole month.
std::optional<double> lastNewMoon(PlacesMemo& places, double julianDate) {
    const double estimate = julianDate - places.at(julianDate).moon.elongation / meanRate;
    for (const double width : {margin, synodicMonth}) {
        const std::vector<Zero> zeros =
            passages(places, MoonPhase::newMoon, estimate - width, std::fmin(estimate + width, julianDate));
        if (!zeros.empty()) {
            return zeros.back().julianDate;
        }
    }
    return std::nullopt;
}

std::optional<double> nextPassage(PlacesMemo& places, MoonPhase phase, double previous) {
    const double estimate = previous + synodicMonth / 4;
    for (const auto& [from, to] : {std::pair{estimate - margin, estimate + margin},
                                   std::pair{previous + tolerance, previous + synodicMonth / 2}}) {
        const std::vector<Zero> zeros = passages(places, phase, from, to);
        if (!zeros.empty()) {
            return zeros.front().julianDate;
        }
    }
    return std::nullopt;
}

}  // namespace

std::vector<PhaseEvent> findPhasesAround(PlacesMemo& places, double julianDate) {
    std::vector<PhaseEvent> phases;
    std::optional<double> found = lastNewMoon(places, julianDate);
    if (found) {
        phases.push_back({MoonPhase::newMoon, *found});
    }
    for (const MoonPhase phase :
         {MoonPhase::firstQuarter, MoonPhase::fullMoon, MoonPhase::lastQuarter, MoonPhase::newMoon}) {
        if (phases.empty() || !(found = nextPassage(places, phase, phases.back().julianDate))) {
            break;
        }
        phases.push_back({phase, *found});
    }
    return phases;
}

}  // namespace zenlith
