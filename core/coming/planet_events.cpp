#include "planet_events.h"

#include <cmath>

namespace zenlith {

namespace {

// Where a wrapped difference of longitudes jumps by 360° it changes sign
// too; a true passage is where it is near zero.
constexpr double passageDegrees = 1;

double aheadOfSun(const SkySnapshot& sky, BodyIndex planet) {
    return wrappedDegrees(eclipticLongitude(sky, planet) - eclipticLongitude(sky, sunIndex));
}

void addMeetings(SnapshotMemo& memo, const SkySpan& span, BodyIndex planet, std::vector<ComingEvent>& events) {
    // Seen from the Sun, an inner planet passes the Earth (0°) and the far
    // side (180°) in conjunction; an outer one is in opposition at 0°.
    for (const double target : {0.0, 180.0}) {
        const ComingKind kind = planet >= marsIndex && target == 0 ? ComingKind::opposition : ComingKind::conjunction;
        const SkyFunction past = [&](const SkySnapshot& sky) { return wrappedDegrees(aheadOfEarth(sky, planet) - target); };
        for (const Zero& zero : skyZeros(memo, span, past)) {
            if (std::fabs(past(memo.at(zero.julianDate))) < passageDegrees) {
                events.push_back(eventAt(kind, zero.julianDate, {planet}));
            }
        }
    }
}

void addElongations(SnapshotMemo& memo, const SkySpan& span, BodyIndex planet, std::vector<ComingEvent>& events) {
    const SkyFunction trend = [&](const SkySnapshot& sky) { return separationTrend(sky, sunIndex, planet); };
    for (const Zero& zero : skyZeros(memo, span, trend)) {
        if (zero.crossing == Crossing::downward) {
            const SkySnapshot& sky = memo.at(zero.julianDate);
            const ComingKind kind =
                aheadOfSun(sky, planet) > 0 ? ComingKind::greatestElongationEast : ComingKind::greatestElongationWest;
            ComingEvent event = eventAt(kind, zero.julianDate, {planet});
            event.elongationDegrees = separation(sky, sunIndex, planet);
            events.push_back(event);
        }
    }
}

void addStations(SnapshotMemo& memo, const SkySpan& span, BodyIndex planet, std::vector<ComingEvent>& events) {
    const SkyFunction rate = [&](const SkySnapshot& sky) { return longitudeRate(sky, planet); };
    for (const Zero& zero : skyZeros(memo, span, rate)) {
        const ComingKind kind =
            zero.crossing == Crossing::downward ? ComingKind::retrogradeStart : ComingKind::retrogradeEnd;
        events.push_back(eventAt(kind, zero.julianDate, {planet}));
    }
}

}  // namespace

std::vector<ComingEvent> findPlanetEvents(SnapshotMemo& memo, const SkySpan& span) {
    std::vector<ComingEvent> events;
    for (int k = firstPlanet; k <= lastPlanet; ++k) {
        const auto planet = static_cast<BodyIndex>(k);
        addMeetings(memo, span, planet, events);
        if (planet < marsIndex) {
            addElongations(memo, span, planet, events);
        }
        addStations(memo, span, planet, events);
    }
    return events;
}

}  // namespace zenlith
