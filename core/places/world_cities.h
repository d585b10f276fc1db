#pragma once
// The main city of every zone of the time-zone database, as its zone.tab and
// zone1970.tab list them (coordinates of the city the zone is named after),
// named in Hebrew where ICU knows the city's name. zone.tab keeps a zone for
// every country (Oslo, Reykjavik), zone1970.tab only zones of their own.
#include <string>
#include <string_view>
#include <vector>

#include "place_entry.h"

namespace zenlith {

inline constexpr std::string_view zoneInfoFolder = "/usr/share/zoneinfo";

// Each zone once; nothing when the tables cannot be read.
std::vector<PlaceEntry> worldCities(const std::string& zoneInfo = std::string(zoneInfoFolder));

// One row's coordinates, ±DDMM±DDDMM or ±DDMMSS±DDDMMSS, in degrees; false
// when the text is not one.
bool readZoneTableCoordinates(std::string_view text, double& latitudeDegrees, double& longitudeDegrees);

}  // namespace zenlith
