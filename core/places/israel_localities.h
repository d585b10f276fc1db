#pragma once
// Israel's localities of at least 1000 people, largest first, from GeoNames
// (CC BY), as resources/places/israel_localities.tsv keeps them.
#include <vector>

#include "place_entry.h"

namespace zenlith {

const std::vector<PlaceEntry>& israelLocalities();

}  // namespace zenlith
