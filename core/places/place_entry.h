#pragma once
// One place a person can pick by name: its Hebrew and English names and the
// place itself (coordinates, height, zone).
#include <string>

#include "place.h"

namespace zenlith {

struct PlaceEntry {
    std::string hebrew;   // may be empty where no Hebrew name is known
    std::string english;
    Place place;          // named in Hebrew where it can be
};

}  // namespace zenlith
