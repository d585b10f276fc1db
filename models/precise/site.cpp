#include "site.h"

#include <erfa.h>
#include <erfam.h>

#include <algorithm>

namespace zenlith::precise {

namespace {

// ERFA refuses heights outside this band and would leave the point unset.
constexpr double lowestHeightMetres = -6000000;
constexpr double highestHeightMetres = 6000000;

}  // namespace

Site siteOf(const Place& place) {
    Site site;
    site.latitudeRadians = std::clamp(place.latitudeDegrees, -90.0, 90.0) * ERFA_DD2R;
    site.longitudeRadians = place.longitudeDegrees * ERFA_DD2R;
    const double height = std::clamp(place.heightMetres, lowestHeightMetres, highestHeightMetres);
    Vector metres{};
    eraGd2gc(ERFA_WGS84, site.longitudeRadians, site.latitudeRadians, height, metres.data());
    site.onEarth = (1 / ERFA_DAU) * metres;
    return site;
}

}  // namespace zenlith::precise
