#pragma once
// Any place on the Earth as an observer: where it stands in space at an
// instant and how high a body stands over its horizon.
#include "instant_frame.h"
#include "place.h"
#include "vectors.h"

namespace zenlith::precise {

// The place from the geocentre, AU, on the true equator of date.
Vector observerAt(const InstantFrame& frame, const Place& place);

// An apparent geocentric vector (AU, ICRS axes) as the place sees it: AU on
// the true equator of date.
Vector seenFrom(const InstantFrame& frame, const Place& place, const Vector& apparentGeocentric);

// The altitude without refraction, degrees, of a vector seen from the place.
double airlessAltitude(const InstantFrame& frame, const Place& place, const Vector& seen);

}  // namespace zenlith::precise
