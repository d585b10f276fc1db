#pragma once
// The Yale Bright Star Catalogue (5th revised edition, public domain), as
// Debian's xplanet package ships it, compiled into the program at build time.
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace zenlith::stars {

struct CatalogueStar {
    int hr;                   // the catalogue's own number
    float raHours;            // right ascension, J2000, hours 0..24
    float decDegrees;         // declination, J2000, degrees
    float magnitude;          // visual
    const char* designation;  // Flamsteed number, Bayer letter and constellation ("9Alp CMa"); empty when none
};

// Every star of the catalogue, brightest first, so that the stars to a
// magnitude limit are a prefix.
std::span<const CatalogueStar> catalogueStars();

// How many stars are at most this bright (magnitude at most the limit).
std::size_t starsToMagnitude(double magnitudeLimit);

// The index in catalogueStars() of the star with this HR number, if any.
std::optional<std::size_t> catalogueIndexOf(int hr);

// The committed figures (constellation_lines.txt), read by constellations.cpp.
std::string_view constellationFiguresText();

}  // namespace zenlith::stars
