#include "place_choice.h"

#include <cstdio>

#include "message_text.h"
#include "typed_place.h"

namespace zenlith::cli {

namespace {

constexpr std::size_t candidatesShown = 10;

std::variant<Place, PlaceProblem> namedPlace(const std::string& name, const PlaceCatalogue& catalogue) {
    if (const PlaceEntry* entry = catalogue.unique(name)) return entry->place;
    const std::vector<const PlaceEntry*> candidates = catalogue.search(name, candidatesShown + 1);
    if (candidates.empty()) {
        return PlaceProblem{"--place: no place is called " + quotedForMessage(name) + " (see --list-places)"};
    }
    std::string message = "--place: " + quotedForMessage(name) + " may be";
    for (std::size_t n = 0; n < candidates.size() && n < candidatesShown; ++n) {
        message += (n ? ", " : " ") + candidates[n]->english;
    }
    return PlaceProblem{message + (candidates.size() > candidatesShown ? ", ..." : "")};
}

}  // namespace

std::variant<Place, PlaceProblem> choosePlace(const PlaceRequest& request, const PlaceCatalogue& catalogue) {
    if (request.name) {
        if (request.latitudeDegrees || request.longitudeDegrees || request.heightMetres || request.timeZone) {
            return PlaceProblem{"--place cannot be combined with --lat, --lon, --height or --tz"};
        }
        return namedPlace(*request.name, catalogue);
    }
    if (!request.given()) return originalSite();
    if (!request.latitudeDegrees || !request.longitudeDegrees) {
        return PlaceProblem{"a place by coordinates needs both --lat and --lon"};
    }
    const TypedCoordinates typed{*request.latitudeDegrees, *request.longitudeDegrees, request.heightMetres,
                                 request.timeZone};
    if (std::optional<Place> place = placeAtCoordinates(typed, catalogue)) return *place;
    return PlaceProblem{"--tz is needed: the time-zone database's zone tables cannot be read"};
}

std::string placeListLine(const PlaceEntry& entry) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "\t%.5f\t%.5f\t%.0f\t", entry.place.latitudeDegrees,
                  entry.place.longitudeDegrees, entry.place.heightMetres);
    return entry.hebrew + '\t' + entry.english + numbers + entry.place.timeZone;
}

}  // namespace zenlith::cli
