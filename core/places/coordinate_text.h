#pragma once
// Coordinates as people type them: "31.7683, 35.2137" or "31°46′N 35°13′E"
// (minutes and seconds with ′ ″ or ' "), then maybe a height in metres and a
// zone of the time-zone database: "31.7683, 35.2137, 754, Asia/Jerusalem".
// South and west are negative numbers or S and W.
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zenlith {

enum class CoordinateError {
    notCoordinates,  // not in any accepted form
    latitudeRange,   // beyond -90..90
    longitudeRange,  // beyond -180..180
    heightRange,     // beyond the lowest and highest ground
};

inline constexpr double lowestGroundMetres = -500;
inline constexpr double highestGroundMetres = 9000;

struct TypedCoordinates {
    double latitudeDegrees = 0;
    double longitudeDegrees = 0;
    std::optional<double> heightMetres;
    std::optional<std::string> timeZone;  // as typed; the database is the judge
};

std::variant<TypedCoordinates, CoordinateError> readCoordinates(std::string_view text);

enum class Axis { latitude, longitude };

// One angle alone, "31.7683", "-35.2" or "31°46′N": for the command line.
std::variant<double, CoordinateError> readAngle(std::string_view text, Axis axis);

}  // namespace zenlith
