#pragma once
// Which bodies and which of the report's figures a table shows, and how.
#include <optional>
#include <string_view>
#include <vector>

#include "sky_places.h"

namespace zenlith::cli {

// The report's figures, in the report's order of mention.
enum class Field { ra, decl, az, alt, rearth, mag, phase, diameter, lon, lat, age };
inline constexpr int fieldCount = 11;

enum class TableStyle { csv, tsv, json, text };

struct TableColumns {
    std::vector<int> bodies;   // body indexes, in the order to print
    std::vector<Field> fields; // in the order to print
    TableStyle style = TableStyle::text;
    bool full = false;         // every digit that round-trips instead of the report's cut
};

// Every body and every figure, in the report's order.
TableColumns allColumns();

std::string_view bodyName(int body);
std::optional<int> bodyNamed(std::string_view name);
std::string_view fieldName(Field field);
std::optional<Field> fieldNamed(std::string_view name);

// Where the report takes the figure from among the model's places; null for
// a figure the report does not give for that body.
const double* fieldAddress(const SkyPlaces& places, int body, Field field);

}  // namespace zenlith::cli
