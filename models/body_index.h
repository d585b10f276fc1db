#pragma once
// Every table of bodies, in every model and on every screen, in one order.

namespace zenlith {

enum BodyIndex : int {
    sunIndex = 0,
    mercuryIndex = 1,
    venusIndex = 2,
    marsIndex = 3,
    jupiterIndex = 4,
    saturnIndex = 5,
    uranusIndex = 6,
    neptuneIndex = 7,
    moonIndex = 8,
};
inline constexpr int bodyCount = 9;
inline constexpr int firstPlanet = mercuryIndex;
inline constexpr int lastPlanet = neptuneIndex;

}  // namespace zenlith
