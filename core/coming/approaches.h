#pragma once
// Close approaches: two of the Moon and the planets within 2° of each other
// seen from the geocentre, at the instant their angle is least. (The Sun's
// own meetings are the planets' conjunctions.)
#include <vector>

#include "coming_event.h"
#include "sky_search.h"

namespace zenlith {

inline constexpr double approachDegrees = 2;

std::vector<ComingEvent> findApproaches(SnapshotMemo& memo, const SkySpan& span);

}  // namespace zenlith
