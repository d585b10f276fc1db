// Arbitrary bytes typed as coordinates, as one angle and as a search over the
// places: coordinates come back in range and finite or refused, and every
// place found carries a name and a zone.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "coordinate_text.h"
#include "place_catalogue.h"

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
    return 0;
}
