#pragma once
// A star's rise, upper culmination and set within a day at a place, found by
// the one search. Over a day a star's apparent place moves by well under a
// second of arc, so only the Earth's rotation is followed.
#include "day_events.h"
#include "place.h"
#include "star_positions.h"

namespace zenlith::sky_map {

BodyEvents starEvents(const stars::EquatorialPlace& apparent, const Place& place, const DaySpan& day);

}  // namespace zenlith::sky_map
