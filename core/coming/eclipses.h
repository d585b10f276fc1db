#pragma once
// Eclipses, each searched near the syzygy that may bring it, over the
// shadows' geometry (shadow.h) on the precise model's Sun and Moon.
// - Lunar: the Moon in the Earth's shadow, the umbra widened by the
//   atmosphere; greatest where the Moon's centre is nearest the axis; the
//   contacts where its limb meets the penumbra's and the umbra's edges.
//   Seen where the Moon stands above the place's horizon at greatest.
// - Solar: somewhere on the Earth while the Moon's penumbra touches it; at the
//   place, greatest where the centres of the Sun and the Moon seen from it
//   are nearest, the contacts where their limbs touch. Seen where the Sun is
//   above the place's horizon at a contact or at greatest.
#include <optional>

#include "coming_event.h"
#include "place.h"

namespace zenlith {

// The eclipse near a full Moon, if there is one (Julian dates, universal time).
std::optional<ComingEvent> lunarEclipseNear(const Place& place, double fullMoon);

// The eclipse near a new Moon, if the Earth sees one, as the place sees it;
// where the place does not see it (outside the Moon's penumbra, or with the
// Sun below the horizon throughout), kind none, not seen, no contacts, at the
// instant the shadow's axis passes nearest the Earth's centre.
std::optional<ComingEvent> solarEclipseNear(const Place& place, double newMoon);

}  // namespace zenlith
