#pragma once
// A place as the window's place field reads it: a name of the catalogue, or
// coordinates in one of the usual forms with an optional height and zone.
// Coordinates without a zone take the nearest zone city's clock.
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

#include "coordinate_text.h"
#include "place_catalogue.h"

namespace zenlith {

enum class PlaceTextProblem {
    empty,
    unknownName,   // neither a name of the catalogue nor coordinates
    severalNames,  // the beginning of several names: the candidates say which
    latitudeRange,
    longitudeRange,
    heightRange,
    noZoneTables,  // coordinates without a zone, and no zone city to borrow one from
};

struct PlaceTextRefusal {
    PlaceTextProblem problem;
    std::vector<const PlaceEntry*> candidates;  // for severalNames, best first
};

std::variant<Place, PlaceTextRefusal> placeFromText(std::string_view text, const PlaceCatalogue& catalogue);

// The place at coordinates, on the typed zone or else the nearest zone
// city's; nothing when there is no zone city to borrow one from.
std::optional<Place> placeAtCoordinates(const TypedCoordinates& typed, const PlaceCatalogue& catalogue);

}  // namespace zenlith
