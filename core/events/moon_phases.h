#pragma once
// The Moon's phases: the instants at which its apparent geocentric ecliptic
// longitude exceeds the Sun's by 0, 90, 180 or 270 degrees.
#include <vector>

#include "places_memo.h"

namespace zenlith {

enum class MoonPhase { newMoon, firstQuarter, fullMoon, lastQuarter };

struct PhaseEvent {
    MoonPhase phase = MoonPhase::newMoon;
    double julianDate = 0;
};

// The last new Moon at or before the instant, then the first quarter, full
// Moon, last quarter and new Moon that follow it. Near the ends of the
// model's years, only those it covers.
std::vector<PhaseEvent> findPhasesAround(PlacesMemo& places, double julianDate);

}  // namespace zenlith
