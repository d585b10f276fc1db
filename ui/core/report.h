#pragma once
// The nine-line report. Building it first cuts every figure it shows to two
// decimals in the engine's own cells, as the window's later readers expect.
#include <string>
#include <string_view>

#include "engine.h"

namespace zenlith {

// Lines are separated by CR LF; the last line has no break after it.
std::string buildReport(Engine& engine, std::string_view decimalSeparator);

}  // namespace zenlith
