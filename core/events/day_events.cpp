#include "day_events.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "horizon.h"
#include "time_search.h"

namespace zenlith {

namespace {

// Up to this latitude no body of ours comes within hours of grazing the
// horizon, so no hour's sample holds two crossings; nearer the poles a body
// may rise and set again within minutes, and the samples close up.
constexpr double hourlyUpToLatitude = 60;
constexpr double hourStep = 1.0 / 24;
constexpr double polarStep = 1.0 / 144;  // ten minutes
constexpr double tolerance = 1.0 / 86400;  // one second

double sampleStepAt(const Place& place) {
    return std::fabs(place.latitudeDegrees) <= hourlyUpToLatitude ? hourStep : polarStep;
}

// Altitudes as seen from the site: a model that places the Moon from the
// Earth's centre leaves its parallax out.
HorizonEvent horizonEventAt(PlacesMemo& places, int body, double julianDate) {
    const SkyPlaces& at = places.at(julianDate);
    const BodyPlace& place = at.bodies[body];
    double altitude = place.AltAirless;
    if (body == moonIndex && !at.moon.topocentric) {
        altitude -= moonParallax(at.moon) * std::cos(altitude * std::numbers::pi / 180);
    }
    return {julianDate, place.Az, altitude};
}

// The first zero of the crossing fills the slot; any later one joins the rest.
void sortOut(PlacesMemo& places, int body, const std::vector<Zero>& zeros, Crossing crossing, HorizonKind kind,
             std::optional<HorizonEvent>& slot, std::vector<LaterEvent>& also) {
    for (const Zero& zero : zeros) {
        if (zero.crossing != crossing) continue;
        const HorizonEvent event = horizonEventAt(places, body, zero.julianDate);
        if (slot) {
            also.push_back({kind, event});
        } else {
            slot = event;
        }
    }
}

BodyEvents findBodyEvents(PlacesMemo& places, int body, SearchSpan span, double dip) {
    const TimeFunction aboveHorizon = [&](double t) { return aboveRiseAltitude(body, places.at(t)) + dip; };
    // Minus the sine of the azimuth rises through zero as the body crosses
    // the meridian in the south, and falls through it in the north.
    const TimeFunction westOfSouth = [&](double t) {
        return -std::sin(places.at(t).bodies[body].Az * std::numbers::pi / 180);
    };
    const std::vector<Zero> horizon = findZeros(aboveHorizon, span);
    BodyEvents events;
    sortOut(places, body, horizon, Crossing::upward, HorizonKind::rise, events.rise, events.also);
    sortOut(places, body, horizon, Crossing::downward, HorizonKind::set, events.set, events.also);
    sortOut(places, body, findZeros(westOfSouth, span, Crossing::upward), Crossing::upward, HorizonKind::transit,
            events.transit, events.also);
    std::sort(events.also.begin(), events.also.end(),
              [](const LaterEvent& a, const LaterEvent& b) { return a.event.julianDate < b.event.julianDate; });
    if (horizon.empty()) {
        const bool up = aboveHorizon(span.start) > 0;
        events.upAllDay = up;
        events.downAllDay = !up;
    }
    return events;
}

}  // namespace

Twilight findSolarDepression(PlacesMemo& places, double depthDegrees, DaySpan day) {
    const TimeFunction aboveDepth = [&](double t) { return places.at(t).bodies[sunIndex].AltAirless + depthDegrees; };
    Twilight twilight;
    for (const Zero& zero : findZeros(aboveDepth, {day.start, day.end, sampleStepAt(places.place()), tolerance})) {
        std::optional<double>& slot = zero.crossing == Crossing::upward ? twilight.dawn : twilight.dusk;
        if (!slot) {
            slot = zero.julianDate;
        }
    }
    twilight.allNight = !twilight.dawn && !twilight.dusk && aboveDepth(day.start) > 0;
    return twilight;
}

DayEvents findDayEvents(SkyModel& model, DaySpan day, double horizonDipDegrees) {
    PlacesMemo places(model);
    return findDayEvents(places, day, horizonDipDegrees);
}

DayEvents findDayEvents(PlacesMemo& places, DaySpan day, double horizonDipDegrees) {
    const SearchSpan span{day.start, day.end, sampleStepAt(places.place()), tolerance};
    DayEvents events;
    for (int body = 0; body < bodyCount; ++body) {
        events.bodies[body] = findBodyEvents(places, body, span, horizonDipDegrees);
    }
    for (int k = 0; k < twilightCount; ++k) {
        events.twilights[k] = findSolarDepression(places, twilightDepths[k], day);
    }
    events.phases = findPhasesAround(places, day.start);
    return events;
}

}  // namespace zenlith
