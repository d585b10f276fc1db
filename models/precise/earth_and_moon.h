#pragma once
// The Earth about the Sun and the Moon about the Earth at one instant, and
// the apparent geocentric places of the Sun and the Moon built on them.
// Vectors are in AU (velocities AU/day) on the axes of the ICRS.
#include "vectors.h"

namespace zenlith::precise {

struct EarthAndMoon {
    Motion earth;  // heliocentric
    Motion moon;   // geocentric
};

// eraPlan94's status at a terrestrial time, the same for every planet: 0, or
// 1 more than 1000 years from J2000, where its series no longer hold.
int plan94Status(double terrestrialTime);

// At a terrestrial time (Julian date). The Earth is eraPlan94's Earth–Moon
// barycentre less the Moon's share of eraMoon98's geocentric Moon.
EarthAndMoon earthAndMoonAt(double terrestrialTime);

// The direction a geocentric observer sees, moved by the Earth's velocity
// (annual aberration); the length of the vector is kept.
Vector aberrated(const EarthAndMoon& at, const Vector& geometric);

// The Sun, with aberration (it barely moves while its light travels).
Vector apparentSun(const EarthAndMoon& at);

// The Moon where it was when its light left it. Its annual aberration cancels
// against the Earth's own motion during that light time, so neither is applied.
Motion apparentMoon(const EarthAndMoon& at);

}  // namespace zenlith::precise
