#include "moon_phases.h"

#include <cmath>
#include <optional>

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

// Mean new Moon of lunation 0 (Meeus, Astronomical Algorithms, ch. 49).
constexpr double lunationEpoch = 2451550.09766;

// A phase of one lunation, searched in a bracket that depends on nothing
// else: so a phase is the same instant on every day that lists it. The mean
// Moon's instant is first corrected by the model's own elongation there,
// which keeps the bracket on the phase over the model's whole span of years.
std::optional<double> phaseOfLunation(PlacesMemo& places, MoonPhase phase, long long lunation) {
    const double mean = lunationEpoch + (static_cast<double>(lunation) + static_cast<int>(phase) / 4.0) * synodicMonth;
    if (!places.covers(mean - 2 * margin) || !places.covers(mean + 2 * margin)) return std::nullopt;
    const double estimate = mean - wrapped(places.at(mean).moon.elongation - phaseAngle(phase)) / meanRate;
    const std::vector<Zero> zeros = passages(places, phase, estimate - margin, estimate + margin);
    if (zeros.empty()) return std::nullopt;
    return zeros.front().julianDate;
}

}  // namespace

std::vector<PhaseEvent> findPhasesAround(PlacesMemo& places, double julianDate) {
    auto lunation = static_cast<long long>(std::floor((julianDate - lunationEpoch) / synodicMonth)) + 1;
    std::optional<double> newMoon;
    for (int tries = 0; tries < 3 && !(newMoon && *newMoon <= julianDate); ++tries, --lunation) {
        newMoon = phaseOfLunation(places, MoonPhase::newMoon, lunation);
    }
    std::vector<PhaseEvent> phases;
    if (!newMoon || *newMoon > julianDate) return phases;
    ++lunation;  // the loop stepped past the lunation it found
    phases.push_back({MoonPhase::newMoon, *newMoon});
    for (const MoonPhase phase : {MoonPhase::firstQuarter, MoonPhase::fullMoon, MoonPhase::lastQuarter}) {
        const std::optional<double> found = phaseOfLunation(places, phase, lunation);
        if (!found) return phases;
        phases.push_back({phase, *found});
    }
    if (const std::optional<double> next = phaseOfLunation(places, MoonPhase::newMoon, lunation + 1)) {
        phases.push_back({MoonPhase::newMoon, *next});
    }
    return phases;
}

}  // namespace zenlith
