#pragma once
// The geocentric sky at one instant on the precise model's geometry: each
// body's apparent place and its motion, which the searches for the coming
// events follow, and the angles they are built on.
#include <array>
#include <unordered_map>

#include "body_index.h"
#include "instant_frame.h"
#include "vectors.h"

namespace zenlith {

inline constexpr double kilometresPerAu = 149597870.7;  // IAU 2012

struct SkySnapshot {
    precise::InstantFrame frame;
    // Each body's apparent geocentric place (AU) and geocentric velocity
    // (AU per day), ICRS axes.
    std::array<precise::Motion, bodyCount> bodies{};
    // The geometric heliocentric places of Mercury to Neptune, and of the
    // Earth in the Sun's slot (AU, ICRS axes).
    std::array<precise::Vector, bodyCount> fromSun{};
};

// At a Julian date in universal time.
SkySnapshot snapshotAt(double julianDate);

// Apparent geocentric ecliptic longitude on the true ecliptic and equinox of
// date, degrees 0..360, and its rate, degrees per day.
double eclipticLongitude(const SkySnapshot& sky, BodyIndex body);
double longitudeRate(const SkySnapshot& sky, BodyIndex body);

// How far a planet runs ahead of the Earth in heliocentric longitude on the
// ecliptic of date, degrees in [-180, 180).
double aheadOfEarth(const SkySnapshot& sky, BodyIndex planet);

// The angle between two bodies seen from the geocentre, degrees, and a
// function of time with the sign of its rate that crosses zero where the
// angle is least or greatest (the rate of its cosine, negated, per day).
double separation(const SkySnapshot& sky, BodyIndex a, BodyIndex b);
double separationTrend(const SkySnapshot& sky, BodyIndex a, BodyIndex b);

// The body's distance from the geocentre changing, AU per day.
double distanceRate(const SkySnapshot& sky, BodyIndex body);

// Degrees in [-180, 180).
double wrappedDegrees(double degrees);

// The snapshots at every instant asked for while one span is searched: the
// searches sample the same instants.
class SnapshotMemo {
public:
    const SkySnapshot& at(double julianDate);

private:
    std::unordered_map<double, SkySnapshot> snapshots_;
};

}  // namespace zenlith
