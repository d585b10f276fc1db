#pragma once
// What the sky map tells about a body or a star: the tooltip's lines (name,
// azimuth and altitude, right ascension and declination, magnitude) and the
// details a click opens (the day's rise, culmination and set).
#include <optional>
#include <string>
#include <string_view>

namespace zenlith::sky_map {

struct ObjectFigures {
    std::string_view name;
    double azimuthDegrees;
    double altitudeDegrees;         // as shown, refracted
    double raDegrees;               // apparent, of date
    double declDegrees;
    std::optional<double> magnitude;  // nothing where the model gives none
};

// Lines joined by newlines, in Hebrew.
std::string objectTooltip(const ObjectFigures& figures);

// A star's name as the map writes it: its Hebrew name, or else its
// catalogue designation and number.
std::string starName(std::size_t catalogueIndex);

}  // namespace zenlith::sky_map
