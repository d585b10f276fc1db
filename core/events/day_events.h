#pragma once
// The events of one civil day at the model's place, each found by a root search over a
// sky model's positions: every body's rise, culmination and set, the Sun's
// twilights, and the Moon's phases around the day. Instants are Julian dates
// in universal time; the day is the span between two local midnights.
#include <array>
#include <optional>
#include <vector>

#include "moon_phases.h"
#include "places_memo.h"
#include "sky_model.h"

namespace zenlith {

struct HorizonEvent {
    double julianDate = 0;
    double azimuth = 0;   // degrees from north through east
    double altitude = 0;  // degrees, seen from the site, without refraction
};

enum class HorizonKind { rise, transit, set };

struct LaterEvent {
    HorizonKind kind = HorizonKind::rise;
    HorizonEvent event;
};

// Each the first of its kind in the day; nothing where the body does not do
// it. A body whose day is a little shorter than the civil one can rise,
// culminate or set twice in it: the later ones are kept apart.
struct BodyEvents {
    std::optional<HorizonEvent> rise;
    std::optional<HorizonEvent> transit;  // crossing the meridian south of the zenith
    std::optional<HorizonEvent> set;
    // Neither risen nor set: above the horizon, or below it, the whole day.
    bool upAllDay = false;
    bool downAllDay = false;
    std::vector<LaterEvent> also;         // in time order
};

// The Sun's centre 6, 12 and 18 degrees below the horizon, without refraction.
enum TwilightIndex : int { civilTwilight, nauticalTwilight, astronomicalTwilight };
inline constexpr int twilightCount = 3;
inline constexpr std::array<double, twilightCount> twilightDepths = {6, 12, 18};

struct Twilight {
    std::optional<double> dawn;
    std::optional<double> dusk;
    bool allNight = false;  // the Sun never sinks that deep: this twilight lasts all night
};

struct DaySpan {
    double start = 0;  // local midnight at the day's start, Julian date
    double end = 0;    // local midnight at its end
};

struct DayEvents {
    std::array<BodyEvents, bodyCount> bodies;
    std::array<Twilight, twilightCount> twilights;
    std::vector<PhaseEvent> phases;  // the last new Moon before the day's start, then the next four
};

// The horizon is the sea-level one almanacs use; a dip (degrees) lowers it
// for a site above its surroundings. The model's place says where.
DayEvents findDayEvents(SkyModel& model, DaySpan day, double horizonDipDegrees = 0);
// The same, on places that later searches of the day can share.
DayEvents findDayEvents(PlacesMemo& places, DaySpan day, double horizonDipDegrees = 0);

// The first morning and evening crossings of the Sun's centre the given depth
// below the horizon, without refraction, within the day.
Twilight findSolarDepression(PlacesMemo& places, double depthDegrees, DaySpan day);

}  // namespace zenlith
