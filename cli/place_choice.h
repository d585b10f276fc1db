#pragma once
// The place the command line asks for: a name from the catalogue, or typed
// coordinates with a height and a zone; the original site without either.
#include <optional>
#include <string>
#include <variant>

#include "place.h"
#include "place_catalogue.h"

namespace zenlith::cli {

struct PlaceRequest {
    std::optional<std::string> name;  // --place
    std::optional<double> latitudeDegrees;   // --lat
    std::optional<double> longitudeDegrees;  // --lon
    std::optional<double> heightMetres;      // --height
    std::optional<std::string> timeZone;     // --tz
    bool given() const { return name || latitudeDegrees || longitudeDegrees || heightMetres || timeZone; }
};

struct PlaceProblem {
    std::string message;  // one line, naming the option
};

// A name that fits no place, or several, is a problem whose message lists
// the candidates. Coordinates without a zone take the nearest zone city's.
std::variant<Place, PlaceProblem> choosePlace(const PlaceRequest& request, const PlaceCatalogue& catalogue);

// "ירושלים	Jerusalem	31.76904	35.21633	786	Asia/Jerusalem": a line of --list-places.
std::string placeListLine(const PlaceEntry& entry);

}  // namespace zenlith::cli
