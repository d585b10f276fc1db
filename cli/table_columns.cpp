#include "table_columns.h"

#include <array>

namespace zenlith::cli {

namespace {

constexpr std::array<std::string_view, bodyCount> bodyNames = {
    "sun", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "moon",
};

constexpr std::array<std::string_view, fieldCount> fieldNames = {
    "ra", "decl", "az", "alt", "rearth", "mag", "phase", "diameter", "lon", "lat", "age",
};

template <std::size_t N>
std::optional<int> indexOf(const std::array<std::string_view, N>& names, std::string_view name) {
    for (std::size_t n = 0; n < N; ++n) {
        if (names[n] == name) return static_cast<int>(n);
    }
    return std::nullopt;
}

// The Moon's line gives its own ecliptic place, age and lit percentage.
const double* moonAddress(const MoonValues& moon, Field field) {
    switch (field) {
        case Field::lon: return &moon.lon;
        case Field::lat: return &moon.lat;
        case Field::age: return &moon.age;
        case Field::phase: return &moon.illumination;
        default: return nullptr;
    }
}

const double* planetAddress(const BodyPlace& body, Field field) {
    switch (field) {
        case Field::rearth: return &body.Rearth;
        case Field::mag: return &body.Mag;
        case Field::phase: return &body.Phase;
        case Field::diameter: return &body.AngularDiameter;
        case Field::lon: return &body.Lon;
        case Field::lat: return &body.Lat;
        default: return nullptr;
    }
}

}  // namespace

TableColumns allColumns() {
    TableColumns columns;
    for (int body = 0; body < bodyCount; ++body) columns.bodies.push_back(body);
    for (int field = 0; field < fieldCount; ++field) columns.fields.push_back(static_cast<Field>(field));
    return columns;
}

std::string_view bodyName(int body) { return bodyNames[static_cast<std::size_t>(body)]; }
std::optional<int> bodyNamed(std::string_view name) { return indexOf(bodyNames, name); }
std::string_view fieldName(Field field) { return fieldNames[static_cast<std::size_t>(field)]; }

std::optional<Field> fieldNamed(std::string_view name) {
    const auto index = indexOf(fieldNames, name);
    return index ? std::optional<Field>(static_cast<Field>(*index)) : std::nullopt;
}

const double* fieldAddress(const SkyPlaces& places, int body, Field field) {
    const BodyPlace& place = places.bodies[static_cast<std::size_t>(body)];
    switch (field) {
        case Field::ra: return &place.Ra;
        case Field::decl: return &place.Decl;
        case Field::az: return &place.Az;
        case Field::alt: return &place.Alt;
        default: break;
    }
    if (body == moonIndex) return moonAddress(places.moon, field);
    if (body >= firstPlanet && body <= lastPlanet) return planetAddress(place, field);
    return nullptr;
}

}  // namespace zenlith::cli
