#pragma once
// The 88 constellations of the IAU: their Hebrew names and their figures as
// lines between catalogue stars (from the d3-celestial package, BSD-3-Clause).
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace zenlith::stars {

struct Constellation {
    std::string_view abbreviation;  // the IAU's three letters, "UMa"
    std::string_view hebrewName;
    // Polylines, each a run of indices into catalogueStars().
    std::vector<std::vector<std::size_t>> figure;
};

// All 88, in the order of their abbreviations.
std::span<const Constellation> constellations();

}  // namespace zenlith::stars
