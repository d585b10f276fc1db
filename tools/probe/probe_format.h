#pragma once
// The probe's line formats: a TAB-separated case in, one JSON object out.
#include <string>
#include <string_view>

#include "compute_action.h"

namespace zenlith::probe {

// Six TAB-separated fields: year, month, day, hour, minute, summer ("1" ticks
// the box). Missing trailing fields are empty; a trailing CR is ignored.
FieldTexts parseCase(std::string_view line);

// One line of JSON (without its line break) onto the end of out, numbers with
// 17 significant digits so that they round-trip.
void appendOutcomeJson(std::string& out, const ComputeOutcome& outcome);

}  // namespace zenlith::probe
