#pragma once
// The shadow a sphere casts in sunlight, by similar triangles: the umbra
// narrows and the penumbra widens from the caster's own radius as the
// distance behind it grows.
#include "vectors.h"

namespace zenlith {

inline constexpr double sunRadiusKm = 695700;       // IAU 2015 nominal
inline constexpr double moonRadiusKm = 1737.4;      // mean
inline constexpr double earthRadiusKm = 6378.1366;  // equatorial

struct ShadowAt {
    double axisKm = 0;      // the target's centre from the shadow's axis
    double umbraKm = 0;     // the umbra's radius there; below zero past its tip
    double penumbraKm = 0;  // the penumbra's radius there
};

// The shadow cast by a sphere of the given radius at `caster`, lit by the
// Sun at `sun`, where `target` stands; positions in AU on any one set of axes.
ShadowAt shadowAt(const precise::Vector& sun, const precise::Vector& caster, double casterRadiusKm,
                  const precise::Vector& target);

// The share of the Sun's disc a disc covers, from their angular radii and
// the angle between their centres (all in one unit).
double coveredShare(double sunRadius, double coverRadius, double apart);

}  // namespace zenlith
