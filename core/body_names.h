#pragma once
// The bodies' Hebrew names as the program's texts write them, in the order
// of BodyIndex.
#include <array>
#include <string_view>

#include "body_index.h"

namespace zenlith {

inline constexpr std::array<std::string_view, bodyCount> bodyHebrewNames = {
    "השמש", "כוכב חמה", "נוגה", "מאדים", "צדק", "שבתאי", "אורנוס", "נפטון", "הירח",
};

}  // namespace zenlith
