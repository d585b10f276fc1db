#pragma once
// How the program's texts name a place: "32° צפון, 35° מזרח" for the original
// site, its name first and its height last where it has them.
#include <string>

#include "place.h"

namespace zenlith {

// Latitude and longitude, whole degrees without decimals, otherwise to four.
std::string coordinatesText(const Place& place);

// The name, the coordinates and the height above sea level, each where known.
std::string placeText(const Place& place);

// An offset from universal time as ISO 8601 writes it: "+03:00", "-09:30".
std::string isoOffsetText(int offsetSeconds);

// The same as the window shows it beside the summer-time box: "UTC+3", "UTC-9:30".
std::string utcOffsetText(int offsetSeconds);

}  // namespace zenlith
