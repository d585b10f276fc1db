#include "field_cells.h"

#include <cfloat>
#include <cmath>

namespace zenlith {

std::optional<float> toSingleCell(double value) {
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX) {
        return std::nullopt;
    }
    return static_cast<float>(value);
}

bool isWholeSingle(float value) { return static_cast<float>(std::floor(value)) == value; }

}  // namespace zenlith
