#pragma once
// The nine-line report: every figure cut to two decimals, never rounded.
#include <string>
#include <string_view>

#include "sky_model.h"

namespace zenlith {

// Lines are separated by CR LF; the last line has no break after it. The
// precise model's report ends with a tenth line that names it.
std::string buildReport(SkyPlaces places, ModelKind model, std::string_view decimalSeparator);

}  // namespace zenlith
