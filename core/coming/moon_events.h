#pragma once
// The Moon's month: its four phases, found by the day's events' own phase
// search on the precise model, and its perigee and apogee, where its
// distance from the geocentre is least and greatest.
#include <vector>

#include "coming_event.h"
#include "moon_phases.h"
#include "places_memo.h"
#include "sky_search.h"

namespace zenlith {

// Every phase in the span, in time order.
std::vector<PhaseEvent> phasesIn(PlacesMemo& places, const SkySpan& span);

ComingEvent phaseEvent(const PhaseEvent& phase);

std::vector<ComingEvent> findApsides(SnapshotMemo& memo, const SkySpan& span);

}  // namespace zenlith
