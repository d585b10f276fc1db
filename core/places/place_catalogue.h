#pragma once
// Every place that can be picked by name: Israel's localities, largest first,
// then the world's zone cities. Searched as the user types, in Hebrew or in
// English.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "place_entry.h"

namespace zenlith {

class PlaceCatalogue {
public:
    explicit PlaceCatalogue(std::vector<PlaceEntry> entries);
    // Israel's localities and the zone cities of the database in that folder (world_cities.h).
    static PlaceCatalogue standard(const std::string& zoneInfo);

    const std::vector<PlaceEntry>& entries() const { return entries_; }

    // The entries whose Hebrew or English name, or a word in it, begins with
    // the text (letter case, Hebrew points and dashes aside): whole names
    // first, then names that begin so, then words; in catalogue order within
    // each. At most `limit`.
    std::vector<const PlaceEntry*> search(std::string_view text, std::size_t limit) const;

    // The one entry a name means: a whole name, or a beginning only one entry
    // has. Otherwise nothing, and search() lists the candidates.
    const PlaceEntry* unique(std::string_view text) const;

    // The zone city (an entry whose zone names it) nearest to a point, for
    // coordinates typed without a zone; nothing in an empty catalogue.
    const PlaceEntry* nearestZoneCity(double latitudeDegrees, double longitudeDegrees) const;

private:
    struct Keys {
        std::string hebrew;
        std::string english;
    };
    std::vector<PlaceEntry> entries_;
    std::vector<Keys> keys_;  // the names as search() compares them
};

// The text as search() compares it: ASCII in lower case, Hebrew without its
// points, Hebrew punctuation as ASCII's, dashes as spaces.
std::string searchKey(std::string_view text);

}  // namespace zenlith
