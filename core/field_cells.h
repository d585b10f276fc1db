#pragma once
// The cells that hold the fields' values, and the checks that keep a value
// out of a cell it would overflow. Single precision for year, month, day and
// hour; a 16-bit whole number for the minute, rounded half to even.
#include <cstdint>
#include <optional>

#include "int16_cell.h"  // toInt16Cell, for the minute

namespace zenlith {

// The value rounded to single precision, or nothing when it is not finite or
// lies beyond single-precision range.
std::optional<float> toSingleCell(double value);

// A whole number in the sense of the field handlers: its floor, taken to
// single precision, equals it.
bool isWholeSingle(float value);

}  // namespace zenlith
