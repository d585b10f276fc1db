#include "typed_place.h"

namespace zenlith {

namespace {

constexpr std::size_t candidatesShown = 8;

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

PlaceTextProblem problemOf(CoordinateError error) {
    switch (error) {
    case CoordinateError::latitudeRange: return PlaceTextProblem::latitudeRange;
    case CoordinateError::longitudeRange: return PlaceTextProblem::longitudeRange;
    case CoordinateError::heightRange: return PlaceTextProblem::heightRange;
    case CoordinateError::notCoordinates: break;
    }
    return PlaceTextProblem::unknownName;
}

}  // namespace

std::optional<Place> placeAtCoordinates(const TypedCoordinates& typed, const PlaceCatalogue& catalogue) {
    Place place;
    place.latitudeDegrees = typed.latitudeDegrees;
    place.longitudeDegrees = typed.longitudeDegrees;
    place.heightMetres = typed.heightMetres.value_or(0);
    if (typed.timeZone) {
        place.timeZone = *typed.timeZone;
    } else if (const PlaceEntry* city = catalogue.nearestZoneCity(place.latitudeDegrees, place.longitudeDegrees)) {
        place.timeZone = city->place.timeZone;
    } else {
        return std::nullopt;
    }
    return place;
}

std::variant<Place, PlaceTextRefusal> placeFromText(std::string_view text, const PlaceCatalogue& catalogue) {
    const std::string_view typed = trimmed(text);
    if (typed.empty()) return PlaceTextRefusal{PlaceTextProblem::empty, {}};
    if (const PlaceEntry* entry = catalogue.unique(typed)) return entry->place;
    const auto coordinates = readCoordinates(typed);
    if (const auto* read = std::get_if<TypedCoordinates>(&coordinates)) {
        if (std::optional<Place> place = placeAtCoordinates(*read, catalogue)) return *place;
        return PlaceTextRefusal{PlaceTextProblem::noZoneTables, {}};
    }
    const CoordinateError error = std::get<CoordinateError>(coordinates);
    if (error != CoordinateError::notCoordinates) return PlaceTextRefusal{problemOf(error), {}};
    std::vector<const PlaceEntry*> candidates = catalogue.search(typed, candidatesShown);
    if (candidates.empty()) return PlaceTextRefusal{PlaceTextProblem::unknownName, {}};
    return PlaceTextRefusal{PlaceTextProblem::severalNames, std::move(candidates)};
}

}  // namespace zenlith
