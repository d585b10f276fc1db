#pragma once
// Each planet's meetings with the Sun and its loops, seen from the geocentre:
// - conjunction and opposition (Mars to Neptune): the Sun, the Earth and the
//   planet in line, the planet behind the Sun or (Mercury and Venus) before
//   it, or opposite the Sun: their geometric heliocentric longitudes agree
//   or differ by 180° (the apparent longitudes meet up to most of an hour
//   apart, by light time and aberration);
// - greatest elongation (Mercury, Venus): the angle between the planet and
//   the Sun is greatest, east of the Sun (evenings) or west (mornings);
// - retrograde start and end: the planet's longitude stands still, then
//   runs back, then stands still again.
#include <vector>

#include "coming_event.h"
#include "sky_search.h"

namespace zenlith {

std::vector<ComingEvent> findPlanetEvents(SnapshotMemo& memo, const SkySpan& span);

}  // namespace zenlith
