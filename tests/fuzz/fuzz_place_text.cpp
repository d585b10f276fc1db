// Arbitrary bytes typed as coordinates, as one angle, as a search over the
// places, as the place field's text and as a kept place: coordinates come
// back in range and finite or refused, every place found carries a name and
// a zone, and a kept place reads back as written.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "coordinate_text.h"
#include "kept_place.h"
#include "place_catalogue.h"
#include "typed_place.h"
#include "world_cities.h"

namespace {

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void checkCoordinates(std::string_view text) {
    const auto read = zenlith::readCoordinates(text);
    if (const auto* typed = std::get_if<zenlith::TypedCoordinates>(&read)) {
        require(std::fabs(typed->latitudeDegrees) <= 90 && std::fabs(typed->longitudeDegrees) <= 180);
        require(!typed->heightMetres || std::isfinite(*typed->heightMetres));
        require(!typed->timeZone || !typed->timeZone->empty());
    }
    for (const zenlith::Axis axis : {zenlith::Axis::latitude, zenlith::Axis::longitude}) {
        const auto angle = zenlith::readAngle(text, axis);
        if (const double* degrees = std::get_if<double>(&angle)) {
            require(std::fabs(*degrees) <= (axis == zenlith::Axis::latitude ? 90 : 180));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    checkCoordinates(text);
    static const zenlith::PlaceCatalogue catalogue = zenlith::PlaceCatalogue::standard(std::string(zenlith::zoneInfoFolder));
    for (const zenlith::PlaceEntry* entry : catalogue.search(text, 20)) {
        require(!entry->english.empty() && !entry->place.timeZone.empty());
    }
    if (const zenlith::PlaceEntry* entry = catalogue.unique(text)) require(!entry->place.timeZone.empty());
    const auto typed = zenlith::placeFromText(text, catalogue);
    if (const auto* place = std::get_if<zenlith::Place>(&typed)) {
        require(std::fabs(place->latitudeDegrees) <= 90 && std::fabs(place->longitudeDegrees) <= 180);
        require(std::isfinite(place->heightMetres) && !place->timeZone.empty());
    }
    // A kept place, once read, is written and read back to the same place.
    if (const auto kept = zenlith::placeFromKeptText(text)) {
        const auto again = zenlith::placeFromKeptText(zenlith::keptPlaceText(*kept));
        require(again && again->name == kept->name && again->timeZone == kept->timeZone &&
                std::fabs(again->latitudeDegrees - kept->latitudeDegrees) < 1e-6);
    }
    return 0;
}
