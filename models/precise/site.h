#pragma once
// The place the sky is seen from.
namespace zenlith::precise::site {

inline constexpr double latitudeDegrees = 32;   // north
inline constexpr double longitudeDegrees = 35;  // east
inline constexpr double heightMetres = 0;

}  // namespace zenlith::precise::site
