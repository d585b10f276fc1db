#pragma once
// The equinoxes and solstices: the Sun's apparent geocentric longitude on
// the true ecliptic and equinox of date passes 0°, 90°, 180° and 270°.
#include <vector>

#include "coming_event.h"
#include "sky_search.h"

namespace zenlith {

std::vector<ComingEvent> findSeasons(SnapshotMemo& memo, const SkySpan& span);

}  // namespace zenlith
