#pragma once
// A place as the settings keep it, one line: name, latitude, longitude,
// height and zone, separated by tabs. Read strictly: a damaged line is no
// place, and the window falls back to the original site.
#include <optional>
#include <string>
#include <string_view>

#include "place.h"

namespace zenlith {

std::string keptPlaceText(const Place& place);
std::optional<Place> placeFromKeptText(std::string_view text);

}  // namespace zenlith
