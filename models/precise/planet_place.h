#pragma once
// A planet as the site sees it, with its distance, brightness, phase, size
// and heliocentric place.
#include "body_index.h"
#include "instant_frame.h"
#include "sky_places.h"

namespace zenlith::precise {

// Mercury to Neptune.
BodyPlace planetPlace(const InstantFrame& frame, BodyIndex planet);

}  // namespace zenlith::precise
