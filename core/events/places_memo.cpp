#include "places_memo.h"

namespace zenlith {

const SkyPlaces& PlacesMemo::at(double julianDate) {
    auto found = places_.find(julianDate);
    if (found == places_.end()) {
        found = places_.emplace(julianDate, model_.placesAt(julianDate)).first;
    }
    return found->second;
}

}  // namespace zenlith
