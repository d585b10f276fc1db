#include "approaches.h"

namespace zenlith {

namespace {

void addApproaches(SnapshotMemo& memo, const SkySpan& span, BodyIndex a, BodyIndex b,
                   std::vector<ComingEvent>& events) {
    const SkyFunction trend = [&](const SkySnapshot& sky) { return separationTrend(sky, a, b); };
    for (const Zero& zero : skyZeros(memo, span, trend)) {
        if (zero.crossing != Crossing::upward) {
            continue;
        }
        const double degrees = separation(memo.at(zero.julianDate), a, b);
        if (degrees < approachDegrees) {
            ComingEvent event = eventAt(ComingKind::approach, zero.julianDate, {a, b});
            event.separationDegrees = degrees;
            events.push_back(event);
        }
    }
}

}  // namespace

std::vector<ComingEvent> findApproaches(SnapshotMemo& memo, const SkySpan& span) {
    std::vector<ComingEvent> events;
    for (int a = firstPlanet; a <= lastPlanet; ++a) {
        for (int b = a + 1; b <= lastPlanet; ++b) {
            addApproaches(memo, span, static_cast<BodyIndex>(a), static_cast<BodyIndex>(b), events);
        }
        addApproaches(memo, span, moonIndex, static_cast<BodyIndex>(a), events);
    }
    return events;
}

}  // namespace zenlith
