#pragma once
// When a body counts as on the horizon: its upper limb touches the horizon
// under the standard 34' of refraction. The altitudes here are those of the
// body's centre without refraction, in degrees, the ones the searches follow.
#include "sky_places.h"

namespace zenlith {

inline constexpr double standardRefraction = 34.0 / 60;
inline constexpr double sunRiseAltitude = -50.0 / 60;      // refraction and the mean semi-diameter 16'
inline constexpr double planetRiseAltitude = -standardRefraction;  // the centre

// How far the sea horizon lies below the level for an eye this high above
// it, degrees: the almanacs' dip of 1.76′ √h, which allows for the air's
// bending; nothing at or below sea level.
double horizonDip(double heightMetres);

// The Moon's horizontal parallax, degrees, from its distance (a mean distance
// stands in where a model gives none).
double moonParallax(const MoonValues& moon);

// The altitude of the body's centre, as the model gives it, at which the body
// rises or sets. For the Moon it follows the distance, and it carries the
// parallax where the model's altitude is the Earth centre's.
double riseAltitude(int body, const SkyPlaces& places);

// How far the body's centre stands above the altitude at which it rises,
// degrees: positive while it is up.
double aboveRiseAltitude(int body, const SkyPlaces& places);

}  // namespace zenlith
