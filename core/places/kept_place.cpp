#include "kept_place.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

#include "coordinate_text.h"

namespace zenlith {

namespace {

constexpr std::size_t longestName = 200;  // bytes; longer is not a name the program wrote
constexpr std::size_t longestZone = 64;

std::optional<double> numberIn(std::string_view text, double lowest, double highest) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    if (value < lowest || value > highest) return std::nullopt;
    return value;
}

// Zone ids of the database are ASCII letters, digits and _ - + /.
bool isZoneId(std::string_view zone) {
    if (zone.empty() || zone.size() > longestZone || zone.front() == '/' || zone.find("..") != zone.npos) return false;
    for (const char c : zone) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!letter && c != '_' && c != '-' && c != '+' && c != '/') return false;
    }
    return true;
}

}  // namespace

std::string keptPlaceText(const Place& place) {
    char numbers[96];
    std::snprintf(numbers, sizeof numbers, "\t%.6f\t%.6f\t%.1f\t", place.latitudeDegrees, place.longitudeDegrees,
                  place.heightMetres);
    return place.name + numbers + place.timeZone;
}

std::optional<Place> placeFromKeptText(std::string_view text) {
    std::array<std::string_view, 5> parts;
    for (std::size_t n = 0; n < parts.size(); ++n) {
        const std::size_t tab = text.find('\t');
        if ((tab == text.npos) != (n + 1 == parts.size())) return std::nullopt;
        parts[n] = text.substr(0, tab);
        text = tab == text.npos ? std::string_view() : text.substr(tab + 1);
    }
    if (parts[0].size() > longestName || parts[0].find_first_of("\r\n") != parts[0].npos || !isZoneId(parts[4])) {
        return std::nullopt;
    }
    const auto latitude = numberIn(parts[1], -90, 90);
    const auto longitude = numberIn(parts[2], -180, 180);
    const auto height = numberIn(parts[3], lowestGroundMetres, highestGroundMetres);
    if (!latitude || !longitude || !height) return std::nullopt;
    return Place{std::string(parts[0]), *latitude, *longitude, *height, std::string(parts[4])};
}

}  // namespace zenlith
