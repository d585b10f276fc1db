#pragma once
// Storing into a 16-bit cell rounds halves to even; a value whose rounding
// lies outside the cell's range, or that is not finite, does not fit.
#include <cmath>
#include <cstdint>
#include <optional>

namespace zenlith {

inline std::optional<std::int16_t> toInt16Cell(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double rounded = std::nearbyint(value);  // the default mode: halves to even
    if (rounded < -32768 || rounded > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace zenlith
