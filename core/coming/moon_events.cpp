#include "moon_events.h"

namespace zenlith {

namespace {

// A phase found again from the next month's start is the same phase.
constexpr double samePhaseDays = 1;

ComingKind kindOf(MoonPhase phase) {
    switch (phase) {
    case MoonPhase::newMoon:
        return ComingKind::newMoon;
    case MoonPhase::firstQuarter:
        return ComingKind::firstQuarter;
    case MoonPhase::fullMoon:
        return ComingKind::fullMoon;
    case MoonPhase::lastQuarter:
        return ComingKind::lastQuarter;
    }
    return ComingKind::newMoon;
}

}  // namespace

std::vector<PhaseEvent> phasesIn(PlacesMemo& places, const SkySpan& span) {
    std::vector<PhaseEvent> phases;
    double month = span.from;
    while (true) {
        // A month from the last new Moon at or before its start.
        const std::vector<PhaseEvent> found = findPhasesAround(places, month);
        if (found.size() < 5) {
            break;
        }
        for (const PhaseEvent& phase : found) {
            const bool fresh = phases.empty() || phase.julianDate > phases.back().julianDate + samePhaseDays;
            if (fresh && phase.julianDate >= span.from && phase.julianDate < span.to) {
                phases.push_back(phase);
            }
        }
        if (found.back().julianDate >= span.to) {
            break;
        }
        month = found.back().julianDate + samePhaseDays;
    }
    return phases;
}

ComingEvent phaseEvent(const PhaseEvent& phase) {
    return eventAt(kindOf(phase.phase), phase.julianDate, {moonIndex});
}

std::vector<ComingEvent> findApsides(SnapshotMemo& memo, const SkySpan& span) {
    std::vector<ComingEvent> events;
    const SkyFunction rate = [](const SkySnapshot& sky) { return distanceRate(sky, moonIndex); };
    for (const Zero& zero : skyZeros(memo, span, rate)) {
        const double distanceAu = precise::length(memo.at(zero.julianDate).bodies[moonIndex].position);
        const ComingKind kind = zero.crossing == Crossing::upward ? ComingKind::perigee : ComingKind::apogee;
        ComingEvent event = eventAt(kind, zero.julianDate, {moonIndex});
        event.distanceKm = distanceAu * kilometresPerAu;
        events.push_back(event);
    }
    return events;
}

}  // namespace zenlith
